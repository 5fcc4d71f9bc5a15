#pragma once
// What start-up decides before any window opens: where the settings, the resources and the log
// live, which setting defaults a first start writes, the main window's title. Owned by the
// start-up; kept free of the application object so every rule is checked on its own.
#include <juce_data_structures/juce_data_structures.h>

namespace vindoro::startup
{
/** Options of the user settings file: "Vindoro.settings" in the folder "Vindoro" of the user's
    application-data folder, saved 3 s after a change, as XML, without an inter-process lock. */
juce::PropertiesFile::Options settingsOptions();

/** The folder that holds the settings file, the default database and the log. */
juce::File commonFolder();

/** True when the folder holds the language file "slovensko.txt". */
bool isResourcesFolder (const juce::File& folder);

/** The resources folder when the setting is empty: "Resources" beside the program when it holds the
    language file (a build or an unpacked installation), else "Resources" in the common folder. */
juce::File defaultResourcesFolder (const juce::File& common, const juce::File& programFolder);

/** Writes the setting defaults a start needs, each only when missing ("dbfilename" when empty). */
void writeMissingDefaults (juce::PropertiesFile& settings, const juce::File& common, const juce::File& resources);

/** "Vindoro", or "Vindoro (<user>)" when a user name is set. */
juce::String mainWindowTitle (const juce::String& userName);

/** The file logger that "logger_mode" asks for (2 one file, 3 a new dated file each start),
    with the banner as its first entry; nullptr for any other mode or when the file cannot be made. */
std::unique_ptr<juce::FileLogger> createLogger (int loggerMode, const juce::File& common, const juce::String& banner);

/** The update feed's address. */
inline constexpr const char* kAppcastUrl = "https://www.vindoro.si/updates/win/appcast.xml";
} // namespace vindoro::startup
