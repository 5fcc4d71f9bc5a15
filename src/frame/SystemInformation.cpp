#include "frame/SystemInformation.h"

namespace
{
const char* const NL = "\r\n";

juce::String yesNo (bool b) { return b ? "yes" : "no"; }

juce::String path (juce::File::SpecialLocationType type)
{
    return juce::File::getSpecialLocation (type).getFullPathName();
}

std::vector<SystemFacts::Display> frameworkDisplays()
{
    std::vector<SystemFacts::Display> result;
    for (const auto& d : juce::Desktop::getInstance().getDisplays().displays)
        result.push_back ({ d.isMain, d.totalArea, d.userArea, d.dpi, d.scale });
    return result;
}
} // namespace

SystemFacts SystemFacts::collect()
{
    using SS = juce::SystemStats;
    using F = juce::File;
    SystemFacts f;
    f.now = juce::Time::getCurrentTime();
    f.upTimeMs = juce::Time::getMillisecondCounterHiRes();
    f.compilationDate = juce::Time::getCompilationDate();
    f.operatingSystem = SS::getOperatingSystemName();
    f.hostName = SS::getComputerName();
    f.deviceDescription = SS::getDeviceDescription();
    f.logonName = SS::getLogonName();
    f.fullUserName = SS::getFullUserName();
    f.userRegion = SS::getUserRegion();
    f.userLanguage = SS::getUserLanguage();
    f.displayLanguage = SS::getDisplayLanguage();
    f.numCpus = SS::getNumCpus();
    f.memoryBytes = (juce::int64) SS::getMemorySizeInMegabytes() * 1048576;
    f.cpuVendor = SS::getCpuVendor();
    f.cpuSpeedMHz = SS::getCpuSpeedInMegahertz();
    f.hasMMX = SS::hasMMX();
    f.hasSSE = SS::hasSSE();
    f.hasSSE2 = SS::hasSSE2();
    f.hasSSE3 = SS::hasSSE3();
    f.has3DNow = SS::has3DNow();
    f.workingDirectory = F::getCurrentWorkingDirectory().getFullPathName();
    f.applicationFile = path (F::currentApplicationFile);
    f.executableFile = path (F::currentExecutableFile);
    f.invokedExecutable = path (F::invokedExecutableFile);
    f.homeFolder = path (F::userHomeDirectory);
    f.desktopFolder = path (F::userDesktopDirectory);
    f.documentsFolder = path (F::userDocumentsDirectory);
    f.applicationDataFolder = path (F::userApplicationDataDirectory);
    f.musicFolder = path (F::userMusicDirectory);
    f.moviesFolder = path (F::userMoviesDirectory);
    f.picturesFolder = path (F::userPicturesDirectory);
    f.commonApplicationDataFolder = path (F::commonApplicationDataDirectory);
    f.commonDocumentsFolder = path (F::commonDocumentsDirectory);
    f.tempFolder = path (F::tempDirectory);
    juce::Array<F> roots;
    F::findFileSystemRoots (roots);
    for (auto& r : roots)
        f.fileSystemRoots.add (r.getFullPathName());
    f.freeBytesInHome = F::getSpecialLocation (F::userHomeDirectory).getBytesFreeOnVolume();
    f.displays = frameworkDisplays();
    for (auto& a : juce::IPAddress::getAllAddresses (false))
        f.ipAddresses.add (a.toString());
    for (auto& m : juce::MACAddress::getAllAddresses())
        f.macAddresses.add (m.toString ("-"));
    return f;
}

juce::String formatSystemStatistics (const SystemFacts& f)
{
    juce::String s;
    s << "Here are a few system statistics..." << NL << NL
      << "Time and date:    " << f.now.toString (true, true, true, false) << NL
      << "System up-time:   " << juce::RelativeTime::milliseconds ((juce::int64) f.upTimeMs).getDescription ("0") << NL
      << "Compilation date: " << f.compilationDate.toString (true, false) << NL << NL
      << "Operating system: " << f.operatingSystem << NL
      << "Host name:        " << f.hostName << NL
      << "Device type:      " << f.deviceDescription << NL
      << "User logon name:  " << f.logonName << NL
      << "Full user name:   " << f.fullUserName << NL
      << "User region:      " << f.userRegion << NL
      << "User language:    " << f.userLanguage << NL
      << "Display language: " << f.displayLanguage << NL << NL
      << "Number of CPUs: " << f.numCpus << NL
      << "Memory size:    " << juce::String (f.memoryBytes / 1048576 + 1) << " MB" << NL
      << "CPU vendor:     " << f.cpuVendor << NL
      << "CPU speed:      " << f.cpuSpeedMHz << " MHz" << NL
      << "CPU has MMX:    " << yesNo (f.hasMMX) << NL
      << "CPU has SSE:    " << yesNo (f.hasSSE) << NL
      << "CPU has SSE2:   " << yesNo (f.hasSSE2) << NL
      << "CPU has SSE3:   " << yesNo (f.hasSSE3) << NL
      << "CPU has 3DNOW:  " << yesNo (f.has3DNow) << NL << NL
      << "Current working directory:  " << f.workingDirectory << NL
      << "Current application file:   " << f.applicationFile << NL
      << "Current executable file:    " << f.executableFile << NL
      << "Invoked executable file:    " << f.invokedExecutable << NL << NL
      << "User home folder:               " << f.homeFolder << NL
      << "User desktop folder:            " << f.desktopFolder << NL
      << "User documents folder:          " << f.documentsFolder << NL
      << "User application data folder:   " << f.applicationDataFolder << NL
      << "User music folder:              " << f.musicFolder << NL
      << "User movies folder:             " << f.moviesFolder << NL
      << "User pictures folder:           " << f.picturesFolder << NL
      << "Common application data folder: " << f.commonApplicationDataFolder << NL
      << "Common documents folder:        " << f.commonDocumentsFolder << NL
      << "Local temp folder:              " << f.tempFolder << NL << NL
      << "File System roots: " << f.fileSystemRoots.joinIntoString (", ") << NL
      << "Free space in home folder: " << juce::File::descriptionOfSizeInBytes (f.freeBytesInHome) << NL << NL;

    for (size_t i = 0; i < f.displays.size(); ++i)
    {
        const auto& d = f.displays[i];
        s << "Display " << juce::String ((int) i + 1) << (d.isMain ? " (main)" : "") << ":" << NL
          << "  Total area: " << d.totalArea.toString() << NL
          << "  User area:  " << d.userArea.toString() << NL
          << "  DPI: " << juce::String (d.dpi) << NL
          << "  Scale: " << juce::String (d.scale) << NL << NL;
    }
    s << "Orientation: " << "Upright" << NL << NL;

    s << "Network IP addresses: " << NL;
    for (auto& a : f.ipAddresses)
        s << "   " << a << NL;
    s << NL << "Network card MAC addresses: " << NL;
    for (auto& m : f.macAddresses)
        s << "   " << m << NL;
    return s;
}

juce::String getSystemStatistics()
{
    return formatSystemStatistics (SystemFacts::collect());
}

double getDisplayDpi (const std::vector<SystemFacts::Display>& displays)
{
    if (displays.empty())
    {
        // A bare line, without the time and method of the program's common form.
        juce::Logger::writeToLog ("ERROR:display number out of range:0 displays:0");
        return 0;
    }
    return displays.front().dpi;
}

double getDisplayDpi()
{
    return getDisplayDpi (frameworkDisplays());
}
