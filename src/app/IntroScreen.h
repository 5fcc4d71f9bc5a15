#pragma once
// The dark panel that covers the main board when the main window opens: the animated logo, a
// version line and the web link. Owned by MainContentComponent until the logo is clicked away.
#include "app/LogoDrawComponent.h"

#include <juce_gui_basics/juce_gui_basics.h>

class MainContentComponent;

class IntroScreen final : public juce::Component
{
public:
    static constexpr juce::uint32 kBackground = 0xff4d4d4d;
    static constexpr int kMargin = 10;
    static constexpr int kStripHeight = 24;

    explicit IntroScreen (MainContentComponent* board);
    ~IntroScreen() override;

    void paint (juce::Graphics&) override;
    void resized() override;

    /** "Vindoro 2.2.0 - Feb 4 2018": the version line under the logo. */
    static juce::String versionLine();

    juce::Label& getVersionLabel() { return versionLabel; }
    juce::HyperlinkButton& getWebLink() { return webLink; }
    LogoDrawComponent& getLogo() { return logo; }

private:
    juce::Label versionLabel;
    juce::HyperlinkButton webLink;
    LogoDrawComponent logo;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (IntroScreen)
};
