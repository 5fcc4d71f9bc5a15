#include "frame/SystemInformation.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace
{
SystemFacts sampleFacts()
{
    SystemFacts f;
    f.now = juce::Time (2018, 1, 4, 20, 50, 6); // 4 Feb 2018, months count from 0
    f.compilationDate = juce::Time (2018, 0, 15, 12, 0, 0);
    f.upTimeMs = 0;
    f.operatingSystem = "Linux";
    f.hostName = "klet";
    f.logonName = "vinar";
    f.fullUserName = "Vinar Vinarski";
    f.userRegion = "SI";
    f.userLanguage = "sl";
    f.displayLanguage = "sl-SI";
    f.numCpus = 8;
    f.memoryBytes = 8589934592LL;
    f.cpuVendor = "GenuineIntel";
    f.cpuSpeedMHz = 2400;
    f.hasMMX = f.hasSSE = f.hasSSE2 = true;
    f.workingDirectory = "/home/vinar";
    f.homeFolder = "/home/vinar";
    f.tempFolder = "/tmp";
    f.fileSystemRoots = juce::StringArray ("/", "/boot");
    f.freeBytesInHome = 3 * 1024;
    return f;
}
} // namespace

TEST (SystemInformation, StatisticsTextFromInjectedValues)
{
    auto f = sampleFacts();
    f.displays = { { false, { 0, 0, 1280, 1024 }, { 0, 0, 1280, 1000 }, 96.0, 1.0 },
                   { true, { 1280, 0, 1920, 1080 }, { 1280, 0, 1920, 1040 }, 120.0, 1.25 } };
    f.ipAddresses = juce::StringArray ("192.168.1.5", "10.0.0.2");
    f.macAddresses = juce::StringArray ("00-1a-2b-3c-4d-5e");
    const auto text = formatSystemStatistics (f);

    // Every line ends with CR LF.
    EXPECT_FALSE (text.replace ("\r\n", "").containsChar ('\n'));
    EXPECT_TRUE (text.startsWith ("Here are a few system statistics...\r\n\r\nTime and date:    4 Feb 2018 8:50:06pm\r\n"));
    for (auto* expected : { "System up-time:   0\r\n",
                            "Compilation date: 15 Jan 2018\r\n\r\nOperating system: Linux\r\n",
                            "Device type:      \r\n",
                            "Display language: sl-SI\r\n\r\nNumber of CPUs: 8\r\n",
                            "Memory size:    8193 MB\r\n",
                            "CPU speed:      2400 MHz\r\n",
                            "CPU has SSE2:   yes\r\nCPU has SSE3:   no\r\nCPU has 3DNOW:  no\r\n\r\n",
                            "Current working directory:  /home/vinar\r\n",
                            "Local temp folder:              /tmp\r\n\r\n",
                            "File System roots: /, /boot\r\nFree space in home folder: 3.0 KB\r\n\r\n",
                            "Display 1:\r\n  Total area: 0 0 1280 1024\r\n  User area:  0 0 1280 1000\r\n  DPI: 96\r\n  Scale: 1\r\n\r\n"
                            "Display 2 (main):\r\n  Total area: 1280 0 1920 1080\r\n  User area:  1280 0 1920 1040\r\n  DPI: 120\r\n  Scale: 1.25\r\n\r\n"
                            "Orientation: Upright\r\n\r\n",
                            "Network IP addresses: \r\n   192.168.1.5\r\n   10.0.0.2\r\n\r\n"
                            "Network card MAC addresses: \r\n   00-1a-2b-3c-4d-5e\r\n" })
    {
        EXPECT_TRUE (text.contains (expected)) << expected << "\n---\n" << text;
    }
    EXPECT_TRUE (text.endsWith ("00-1a-2b-3c-4d-5e\r\n"));
}

TEST (SystemInformation, NoNetworkAndNoDisplay)
{
    const auto text = formatSystemStatistics (sampleFacts());
    EXPECT_TRUE (text.endsWith ("Orientation: Upright\r\n\r\nNetwork IP addresses: \r\n\r\nNetwork card MAC addresses: \r\n"));

    vtest::LogCapture log;
    EXPECT_EQ (getDisplayDpi ({}), 0.0);
    EXPECT_EQ (log.lines(), juce::StringArray ("ERROR:display number out of range:0 displays:0"));
}

TEST (SystemInformation, ThisMachineThroughTheFramework)
{
    const auto text = getSystemStatistics();
    EXPECT_TRUE (text.contains ("Operating system: Linux"));
    EXPECT_TRUE (text.contains ("Display 1 (main):"));   // the virtual screen of the test run
    EXPECT_TRUE (text.contains ("  Total area: 0 0 1600 1000\r\n"));
    EXPECT_GT (getDisplayDpi(), 0.0);
    EXPECT_TRUE (text.contains ("Memory size:    "));
}
