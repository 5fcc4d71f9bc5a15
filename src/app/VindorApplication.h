#pragma once
// The program's one application object: answers the framework's life-cycle questions and owns
// the process-wide objects (settings, pictures, the own company's record, the language).
// Owned by the framework for the life of the process; start-up (initialise) and shut-down live
// in VindorApplicationStartup.cpp, whose own state hangs on `startup`.
#include "partners/StrankaRecord.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

class VindorLanguage;

class VindorApplication : public juce::JUCEApplication
{
public:
    VindorApplication();
    ~VindorApplication() override;

    const juce::String getApplicationName() override;
    const juce::String getApplicationVersion() override;
    bool moreThanOneInstanceAllowed() override;
    void initialise (const juce::String& commandLine) override;
    void shutdown() override;
    void anotherInstanceStarted (const juce::String& commandLine) override;
    void systemRequestedQuit() override;

    /** Appends a picture; nullptr stands for a file that could not be read, so later indexes keep their place. */
    void addVesselDrawable (std::unique_ptr<juce::Drawable> picture);
    void addArticleDrawable (std::unique_ptr<juce::Drawable> picture);
    juce::Drawable* vesselDrawable (int index) const;
    juce::Drawable* articleDrawable (int index) const;

    /** State that start-up and shut-down keep (main window, logger, ...); defined by them. */
    struct StartupState;
    struct StartupStateDeleter
    {
        void operator() (StartupState*) const;
    };

    std::unique_ptr<juce::ApplicationProperties> appProperties;
    juce::OwnedArray<juce::Drawable> vesselDrawables;
    juce::OwnedArray<juce::Drawable> articleDrawables;
    StrankaRecord podjetje;
    std::unique_ptr<VindorLanguage> language;
    std::unique_ptr<StartupState, StartupStateDeleter> startup;
};

/** The running application, or nullptr when none runs (or it is of another class). */
VindorApplication* getApplication();

/** The vessel picture at index (0 "buck2.svg" ... 6 "jajce.svg"), or nullptr when out of range or unread. */
juce::Drawable* getVesselDrawable (int index);

/** The article picture at index (0 "steklenica.svg", 1 "skatla.svg"), or nullptr. */
juce::Drawable* getArticleDrawable (int index);
