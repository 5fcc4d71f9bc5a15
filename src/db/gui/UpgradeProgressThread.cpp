#include "db/gui/UpgradeProgressThread.h"

#include "core/Log.h"
#include "frame/MessageBoxes.h"

namespace vindoro
{
namespace
{
// A cancel waits for the step in hand to end: a worker killed inside the database library would
// leave the shared connection locked, and the step's transaction open, for good.
constexpr int kWaitForTheStepMs = -1;
} // namespace

juce::String UpgradeProgressThread::logFileText() const
{
    if (log != nullptr && log->getLogFile() != juce::File())
        return log->getLogFile().getFullPathName();
    return TRANS ("the program's log");
}

UpgradeProgressThread::UpgradeProgressThread (Kind k, int startValue)
    : juce::ThreadWithProgressWindow (k == Kind::schema ? TRANS ("Database update") : TRANS ("Database manteinance"),
                                      true, true, kWaitForTheStepMs, TRANS ("Cancel"), nullptr),
      kind (k), start (startValue), log (std::make_unique<UpgradeLog> (UpgradeLog::defaultDataFolder()))
{
    setStatusMessage (k == Kind::schema ? TRANS ("Database update") : TRANS ("Database manteinance"));
}

UpgradeProgressThread::~UpgradeProgressThread()
{
    // The worker must be gone before the log it writes to is put away.
    stopThread (kWaitForTheStepMs);
    log.reset();
}

void UpgradeProgressThread::waitUpTo (int milliseconds)
{
    const auto until = juce::Time::getMillisecondCounter() + (juce::uint32) milliseconds;
    while (! threadShouldExit() && juce::Time::getMillisecondCounter() < until)
        wait (20);
}

void UpgradeProgressThread::run()
{
    UpgradeHooks hooks;
    hooks.shouldStop = [this] { return threadShouldExit(); };
    hooks.setProgress = [this] (double p) { setProgress (p); };
    hooks.setStatus = [this] (const juce::String& s) { setStatusMessage (s); };
    hooks.wait = [this] (int ms) { waitUpTo (ms); };
    UpgradeRun upgradeRun (std::move (hooks));

    result = kind == Kind::schema ? UpgradeChain::runSchema (start, upgradeRun)
                                  : UpgradeChain::runMaintenance (start, upgradeRun);
    if (result.outcome == UpgradeChain::Outcome::refused)
        refuse();
}

void UpgradeProgressThread::refuse()
{
    // The box is the message thread's; the worker waits until the user has closed it.
    juce::MessageManager::getInstance()->callFunctionOnMessageThread (
        [] (void*) -> void*
        {
            showMessageOK (kIconWarning, TRANS ("Napaka"), TRANS ("ERROR.MAIN.004"));
            return nullptr;
        },
        nullptr);
    if (onQuitRequest)
        onQuitRequest();
    else if (juce::JUCEApplicationBase::getInstance() != nullptr)
        juce::JUCEApplicationBase::quit();
}

void UpgradeProgressThread::threadComplete (bool userPressedCancel)
{
    if (result.outcome == UpgradeChain::Outcome::refused)
        return;   // the refusal was shown and the program is quitting

    const bool schema = kind == Kind::schema;
    const juce::String title = schema ? TRANS ("Database update") : TRANS ("Database manteinance");
    int icon = kIconInformation;
    juce::String text;
    if (result.outcome == UpgradeChain::Outcome::stopped)
    {
        icon = kIconWarning;
        text = (schema ? TRANS ("Database update stopped: the step that could not finish was undone, the database stays at the version before it.")
                       : TRANS ("Database manteinance stopped: the step that could not finish was undone, the database stays at the level before it."))
               + "\n" + result.reason + "\n" + TRANS ("Details are in the log: ") + logFileText();
    }
    else if (userPressedCancel || result.outcome == UpgradeChain::Outcome::cancelled)
    {
        icon = kIconWarning;
        text = schema ? TRANS ("Database update cancelled") : TRANS ("Database manteinance cancelled");
    }
    else if (result.failedStatements > 0)
    {
        icon = kIconWarning;
        text = (schema ? TRANS ("Database update finished, but statements failed: ")
                       : TRANS ("Database manteinance finished, but statements failed: "))
               + juce::String (result.failedStatements) + "\n" + TRANS ("Details are in the log: ") + logFileText();
    }
    else
    {
        text = schema ? TRANS ("Database update successful") : TRANS ("Database manteinance successful");
    }
    vlog (schema ? "UpdateDBProgressThread::threadComplete" : "UpdateDBMProgressThread::threadComplete", text);
    showMessageOK (icon, title, text);
}
} // namespace vindoro
