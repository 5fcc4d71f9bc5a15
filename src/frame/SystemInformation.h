#pragma once
// What the program reports about the machine it runs on: the statistics text that begins every
// log file, and the pixel density the look-and-feel sizes its fonts from. Owned by the
// application shell; every value comes from the framework's system, file, display and network queries.
#include <juce_gui_basics/juce_gui_basics.h>

#include <vector>

/** The values the statistics text is made of. Gathered once from the framework by collect(), or
    filled in by hand, so the text can be built (and checked) from any set of values. */
struct SystemFacts
{
    struct Display
    {
        bool isMain = false;
        juce::Rectangle<int> totalArea, userArea;
        double dpi = 0, scale = 1;
    };

    juce::Time now, compilationDate;
    double upTimeMs = 0;
    juce::String operatingSystem, hostName, deviceDescription, logonName, fullUserName,
        userRegion, userLanguage, displayLanguage;
    int numCpus = 0;
    juce::int64 memoryBytes = 0;
    juce::String cpuVendor;
    int cpuSpeedMHz = 0;
    bool hasMMX = false, hasSSE = false, hasSSE2 = false, hasSSE3 = false, has3DNow = false;
    juce::String workingDirectory, applicationFile, executableFile, invokedExecutable;
    juce::String homeFolder, desktopFolder, documentsFolder, applicationDataFolder, musicFolder,
        moviesFolder, picturesFolder, commonApplicationDataFolder, commonDocumentsFolder, tempFolder;
    juce::StringArray fileSystemRoots;
    juce::int64 freeBytesInHome = 0;
    std::vector<Display> displays;
    juce::StringArray ipAddresses;   // IPv4, dotted
    juce::StringArray macAddresses;  // six hexadecimal groups joined by "-"

    /** Asks the framework for every value. Main thread. */
    static SystemFacts collect();
};

/** The statistics text of the given values, lines ended by CR LF. */
juce::String formatSystemStatistics (const SystemFacts& facts);

/** The statistics text of this machine now. Main thread. */
juce::String getSystemStatistics();

/** Pixel density of the first display; 0 (and a log line) when the framework knows no display. */
double getDisplayDpi();

/** The same from a given list of displays. */
double getDisplayDpi (const std::vector<SystemFacts::Display>& displays);
