#pragma once
// The modal progress window shared by the schema and the maintenance runner: a thin layer
// that runs the window-free UpgradeChain on its worker thread and says how the run ended.
// Owned by the data layer; start-up builds one, runs it through runProgressWindow, then reads
// getResult(). It must outlive its modal run (never released from threadComplete).
#include "db/UpgradeChain.h"
#include "db/UpgradeLog.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

namespace vindoro
{
class UpgradeProgressThread : public juce::ThreadWithProgressWindow
{
public:
    ~UpgradeProgressThread() override;

    /** How the last run ended; valid once the modal run has returned. */
    const UpgradeChain::Result& getResult() const { return result; }

    /** Called on the worker after a refusal, in place of asking the application to quit
        (tests observe it; the running program leaves it empty). */
    std::function<void()> onQuitRequest;

protected:
    enum class Kind { schema, maintenance };
    UpgradeProgressThread (Kind kind, int startValue);

    void run() override;
    void threadComplete (bool userPressedCancel) override;

private:
    Kind kind;
    int start;
    UpgradeChain::Result result;
    std::unique_ptr<UpgradeLog> log;

    void waitUpTo (int milliseconds);
    void refuse();
    juce::String logFileText() const;
};
} // namespace vindoro
