#pragma once
// The start-up and the shut-down of the program: from the crash handler and the settings file to
// the main window and the update check, and back. Owned by the application object (its start-up
// state); it fills the application's process-wide objects through the references it is given.
#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

class LookAndFeel_Vindor;
class MainWindowCallback;
class VindorLanguage;

class ApplicationStartup
{
public:
    /** The application's objects that start-up creates and shut-down releases. */
    struct Targets
    {
        std::unique_ptr<juce::ApplicationProperties>& appProperties;
        juce::OwnedArray<juce::Drawable>& vesselDrawables;
        juce::OwnedArray<juce::Drawable>& articleDrawables;
        std::unique_ptr<VindorLanguage>& language;
    };

    /** Vessel pictures by index, then the article pictures, as the canvases ask for them. */
    static const juce::StringArray& vesselPictureNames();
    static const juce::StringArray& articlePictureNames();

    ApplicationStartup();
    ~ApplicationStartup();

    /** Everything before the message loop runs; false when the program must end (quit already asked). */
    bool initialise (Targets targets);

    /** Releases what initialise set up, whatever it got to. */
    void shutdown (Targets targets);

    /** The update checker's request to end the program: logs and quits. */
    static void callbackOnShutdown();

    /** The main window's callback (owned by the window manager), or nullptr before it exists. */
    MainWindowCallback* getMainWindowCallback() const { return mainWindowCallback; }
    juce::FileLogger* getLogger() const { return logger.get(); }

private:
    juce::File chooseResourcesFolder (juce::File current);

    std::unique_ptr<juce::FileLogger> logger;
    std::unique_ptr<LookAndFeel_Vindor> lookAndFeel;
    MainWindowCallback* mainWindowCallback = nullptr;

    JUCE_DECLARE_NON_COPYABLE (ApplicationStartup)
};

/** Given to the update checker: asks a running Vindoro application to end. */
void shutdownRequestCallback();
