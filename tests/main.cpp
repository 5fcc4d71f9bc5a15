// Test program entry: a private home folder (so no test can reach the user's settings or
// database), the Ljubljana time zone, the framework's message manager on this thread, a fixed
// font so that GUI metrics repeat from machine to machine, and the subsystems' cell types as the
// program registers them.
#include "app/SubsystemCellTypes.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdlib>
#include <ctime>

int main (int argc, char** argv)
{
    char homeTemplate[] = "/tmp/vindoro-home-XXXXXX";
    const char* home = mkdtemp (homeTemplate);
    if (home != nullptr)
        setenv ("HOME", home, 1);
    setenv ("TZ", "Europe/Ljubljana", 1);
    tzset();

    ::testing::InitGoogleTest (&argc, argv);
    registerSubsystemCellTypes();

    int rc = 0;
    {
        juce::ScopedJuceInitialiser_GUI juce;
        if (std::getenv ("DISPLAY") != nullptr)
        {
            juce::Desktop::getInstance(); // brings up the X connection so our handler is the last one set
            vtest::installTolerantXErrorHandler();
        }
        juce::LookAndFeel::getDefaultLookAndFeel().setDefaultSansSerifTypefaceName ("DejaVu Sans");
        rc = RUN_ALL_TESTS();
    }
    if (home != nullptr)
        juce::File (home).deleteRecursively();
    return rc;
}
