#pragma once
// Walks the schema steps from a stored version to 37 and the maintenance steps from a stored
// level to 3, with no window of its own: progress, status, waits and the stop request come
// through the run's hooks. The progress windows of start-up are thin layers over it.
#include "db/UpgradeRun.h"

#include <vector>

namespace vindoro
{
class UpgradeChain
{
public:
    static constexpr int kSchemaVersion = 37;
    static constexpr int kMaintenanceLevel = 3;

    enum class Outcome
    {
        completed,   // every step of the path ran
        cancelled,   // the user stopped the run
        refused,     // no path leads from the stored version to 37
        stopped      // a step could not finish safely and stopped the run
    };

    struct Plan
    {
        std::vector<int> steps;   // the versions the steps start from, in order
        bool refuse = false;      // after the steps, the version still cannot reach 37
    };

    struct Result
    {
        Outcome outcome = Outcome::completed;
        int stepsRun = 0;
        int failedStatements = 0;
        juce::String reason;      // why a step stopped the run
    };

    /** The steps from a stored schema version, and whether the run ends in a refusal. */
    static Plan planSchema (int startVersion);
    /** The maintenance levels whose steps run from a stored level. */
    static std::vector<int> planMaintenance (int startLevel);

    static Result runSchema (int startVersion, UpgradeRun& run);
    static Result runMaintenance (int startLevel, UpgradeRun& run);
};
} // namespace vindoro
