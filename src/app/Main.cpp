// The program's entry: the framework's start on Linux.
#include "app/Globals.h"
#include "app/ShippedDatabase.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace
{
class PlainWindow final : public juce::DocumentWindow
{
public:
    PlainWindow()
        : DocumentWindow ("Vindoro", juce::Colours::darkgrey, DocumentWindow::allButtons)
    {
        setUsingNativeTitleBar (true);
        setResizable (true, true);
        centreWithSize (1024, 700);
        setVisible (true);
    }
    void closeButtonPressed() override { juce::JUCEApplication::getInstance()->systemRequestedQuit(); }
};

class StartApplication final : public juce::JUCEApplication
{
public:
    const juce::String getApplicationName() override { return "Vindoro"; }
    const juce::String getApplicationVersion() override { return "2.2.0"; }
    bool moreThanOneInstanceAllowed() override { return false; }

    void initialise (const juce::String&) override
    {
        juce::PropertiesFile::Options options;
        options.applicationName = "Vindoro";
        options.filenameSuffix = "settings";
        options.folderName = "Vindoro";
        options.millisecondsBeforeSaving = 3000;
        properties.setStorageParameters (options);
        setAppProperties (&properties);

        auto* settings = properties.getUserSettings();
        if (settings->getValue ("dbfilename").isEmpty())
        {
            auto folder = settings->getFile().getParentDirectory();
            auto target = folder.getChildFile ("Vindoro.db");
            auto resources = juce::File::getSpecialLocation (juce::File::currentExecutableFile)
                                 .getParentDirectory().getChildFile ("Resources");
            if (vindoro::installShippedDatabase (vindoro::shippedDatabaseFile (resources), target))
                settings->setValue ("dbfilename", target.getFullPathName());
        }
        window = std::make_unique<PlainWindow>();
    }

    void shutdown() override
    {
        window.reset();
        properties.saveIfNeeded();
        setAppProperties (nullptr);
    }

private:
    juce::ApplicationProperties properties;
    std::unique_ptr<PlainWindow> window;
};
} // namespace

START_JUCE_APPLICATION (StartApplication)
