#include "db/UpgradeChain.h"

#include "db/MaintenanceSteps.h"
#include "db/SchemaSteps.h"
#include "db/UpgradeJournal.h"

#include <optional>

namespace vindoro
{
UpgradeChain::Plan UpgradeChain::planSchema (int startVersion)
{
    Plan plan;
    // Versions below 2 (0, negatives, 1) and 6 have no step; 2 to 5 only reach 6.
    if (startVersion <= 1 || startVersion == 6)
    {
        plan.refuse = true;
        return plan;
    }
    if (startVersion <= 5)
    {
        for (int v = startVersion; v <= 5; ++v)
            plan.steps.push_back (v);
        plan.refuse = true;
        return plan;
    }
    for (int v = startVersion; v < kSchemaVersion; ++v)
        plan.steps.push_back (v);
    return plan;
}

std::vector<int> UpgradeChain::planMaintenance (int startLevel)
{
    std::vector<int> levels;
    if (startLevel >= 0)
        for (int level = startLevel; level < kMaintenanceLevel; ++level)
            levels.push_back (level);
    return levels;
}

UpgradeChain::Result UpgradeChain::runSchema (int startVersion, UpgradeRun& run)
{
    Result result;
    run.setProgress (-1.0);
    run.setStatus (TRANS ("Preparing for Database update from version ") + juce::String (startVersion)
                   + TRANS (" to version ") + juce::String (kSchemaVersion));
    run.wait (2000);
    const int span = kSchemaVersion - startVersion;
    run.setProgress (0.0);
    if (run.shouldStop())
    {
        result.outcome = Outcome::cancelled;
        return result;
    }

    const Plan plan = planSchema (startVersion);
    std::optional<UpgradeJournal> journal;
    if (! plan.steps.empty())
        journal.emplace (run);
    for (int from : plan.steps)
    {
        SchemaSteps::stepFrom (from) (run);
        ++result.stepsRun;
        result.failedStatements = run.getFailedStatements();
        if (run.isAborted())
        {
            result.outcome = Outcome::stopped;
            result.reason = run.getAbortReason();
            return result;
        }
        if (run.shouldStop())
        {
            result.outcome = Outcome::cancelled;
            return result;
        }
        if (span > 0)
            run.setProgress (result.stepsRun / (double) span);
    }
    if (plan.refuse)
    {
        result.outcome = Outcome::refused;
        return result;
    }

    run.setProgress (-1.0);
    run.setStatus (TRANS ("Finishing database update"));
    journal.reset();
    run.wait (1000);
    return result;
}

UpgradeChain::Result UpgradeChain::runMaintenance (int startLevel, UpgradeRun& run)
{
    Result result;
    run.setProgress (-1.0);
    run.setStatus (TRANS ("Preparing for Database manteinance from version ") + juce::String (startLevel)
                   + TRANS (" to version ") + juce::String (kMaintenanceLevel));
    run.wait (2000);
    const int denominator = (kMaintenanceLevel - startLevel) * 100;
    run.setProgress (0.0);
    if (run.shouldStop())
    {
        result.outcome = Outcome::cancelled;
        return result;
    }

    const auto levels = planMaintenance (startLevel);
    std::optional<UpgradeJournal> journal;
    if (! levels.empty())
        journal.emplace (run);
    for (int level : levels)
    {
        if (level == 0)
        {
            // A stop inside the first step ends the run: the later levels must not be written
            // over data the first step did not clean.
            const bool finished = MaintenanceSteps::manteinance_from_0_to_1 (run, denominator);
            ++result.stepsRun;
            if (! finished)
            {
                result.failedStatements = run.getFailedStatements();
                result.outcome = Outcome::cancelled;
                return result;
            }
        }
        else if (level == 1)
        {
            MaintenanceSteps::manteinance_from_1_to_2 (run);
            ++result.stepsRun;
        }
        else
        {
            MaintenanceSteps::manteinance_from_2_to_3 (run);
            ++result.stepsRun;
        }
        // A step that was undone leaves its level unwritten: the later levels must not follow.
        if (run.isAborted())
        {
            result.failedStatements = run.getFailedStatements();
            result.outcome = Outcome::stopped;
            result.reason = run.getAbortReason();
            return result;
        }
    }
    result.failedStatements = run.getFailedStatements();

    run.setProgress (-1.0);
    run.setStatus (TRANS ("Finishing database manteinance"));
    journal.reset();
    run.wait (1000);
    return result;
}
} // namespace vindoro
