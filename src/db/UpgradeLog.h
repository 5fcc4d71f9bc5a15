#pragma once
// The log an upgrade run's messages point to. When the program writes a log file, that file; when
// the log is switched off, a file of the upgrade's own in the program's data folder, which gets
// every line for as long as this object lives (the lines still reach the logger before it).
// Owned by the upgrade's progress window; made and dropped on the message thread, around the run.
#include <juce_core/juce_core.h>

#include <memory>

namespace vindoro
{
class UpgradeLog
{
public:
    /** The own file's name, in `dataFolder`. */
    static constexpr const char* kFileName = "Vindoro-upgrade.log";

    explicit UpgradeLog (const juce::File& dataFolder);
    ~UpgradeLog();

    UpgradeLog (const UpgradeLog&) = delete;
    UpgradeLog& operator= (const UpgradeLog&) = delete;

    /** The file the run's lines go to; juce::File() when neither could be written. */
    const juce::File& getLogFile() const { return file; }

    /** The program's data folder: the folder of the user settings file. */
    static juce::File defaultDataFolder();

private:
    class Tee;
    std::unique_ptr<Tee> tee;
    juce::Logger* previous = nullptr;
    juce::File file;
};
} // namespace vindoro
