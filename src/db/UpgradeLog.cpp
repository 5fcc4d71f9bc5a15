#include "db/UpgradeLog.h"

#include "core/Globals.h"
#include "core/Log.h"

namespace vindoro
{
namespace
{
// Reaches a logger's own output, which the framework keeps for loggers and their kin.
struct LoggerAccess : juce::Logger
{
    static void write (juce::Logger& logger, const juce::String& message) { (logger.*(&LoggerAccess::logMessage)) (message); }
};
} // namespace

class UpgradeLog::Tee : public juce::Logger
{
public:
    Tee (const juce::File& f, juce::Logger* n) : file (f, "Database upgrade " + logTimeStamp(), 128 * 1024), next (n) {}

    void logMessage (const juce::String& message) override
    {
        file.logMessage (message);
        if (next != nullptr)
            LoggerAccess::write (*next, message);
        else
            juce::Logger::outputDebugString (message);
    }

    juce::FileLogger file;
    juce::Logger* next;
};

UpgradeLog::UpgradeLog (const juce::File& dataFolder)
{
    previous = juce::Logger::getCurrentLogger();
    if (auto* programLog = dynamic_cast<juce::FileLogger*> (previous))
    {
        file = programLog->getLogFile();
        return;
    }
    if (! dataFolder.createDirectory())
        return;
    tee = std::make_unique<Tee> (dataFolder.getChildFile (kFileName), previous);
    if (! tee->file.getLogFile().existsAsFile())
    {
        tee.reset();
        return;
    }
    file = tee->file.getLogFile();
    juce::Logger::setCurrentLogger (tee.get());
}

UpgradeLog::~UpgradeLog()
{
    if (tee != nullptr && juce::Logger::getCurrentLogger() == tee.get())
        juce::Logger::setCurrentLogger (previous);
}

juce::File UpgradeLog::defaultDataFolder()
{
    if (auto* settings = getUserSettings())
        return settings->getFile().getParentDirectory();
    return {};
}
} // namespace vindoro
