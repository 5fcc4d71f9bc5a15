#pragma once
// What one upgrade or maintenance run shares across its steps: the hooks through which the
// steps see a stop request and report progress (a window supplies them, a test or a tool may
// not), the count of failed statements and the reason when a step had to stop the whole run.
#include <juce_core/juce_core.h>

#include <functional>

namespace vindoro
{
struct UpgradeHooks
{
    std::function<bool()> shouldStop;                      // the user asked to stop
    std::function<void (double)> setProgress;              // 0..1, or -1 for a moving bar
    std::function<void (const juce::String&)> setStatus;   // the text above the bar
    std::function<void (int)> wait;                        // waits up to the milliseconds given, less on a stop
};

class UpgradeRun
{
public:
    UpgradeRun() = default;
    explicit UpgradeRun (UpgradeHooks h) : hooks (std::move (h)) {}

    bool shouldStop() const { return hooks.shouldStop != nullptr && hooks.shouldStop(); }
    void setProgress (double p) const { if (hooks.setProgress) hooks.setProgress (p); }
    void setStatus (const juce::String& s) const { if (hooks.setStatus) hooks.setStatus (s); }
    void wait (int ms) const { if (hooks.wait) hooks.wait (ms); }

    void countFailure() { ++failedStatements; }
    int getFailedStatements() const { return failedStatements; }

    /** A step could not finish safely: no further step may run and its version is not written. */
    void abort (const juce::String& why) { if (! aborted) { aborted = true; abortReason = why; } }
    bool isAborted() const { return aborted; }
    const juce::String& getAbortReason() const { return abortReason; }

    /** The database keeps a write-ahead log for the run (UpgradeJournal): a step's commit then
        needs no flush of its own to stay whole. */
    void setWriteAhead (bool on) { writeAhead = on; }
    bool isWriteAhead() const { return writeAhead; }

private:
    UpgradeHooks hooks;
    int failedStatements = 0;
    bool aborted = false;
    bool writeAhead = false;
    juce::String abortReason;
};
} // namespace vindoro
