#pragma once
// The intro screen's animated logo: a travelling wave of grey bars with the product logo over it.
// Owned by IntroScreen; a mouse release on it asks the board to remove the intro for good.
#include <juce_gui_basics/juce_gui_basics.h>

#include <vector>

class LogoDrawComponent final : public juce::Component,
                                private juce::Timer
{
public:
    static constexpr int kTimerPeriodMs = 33;
    static constexpr float kPhaseStep = 0.02f;

    /** One bar of the wave: its x and the two ends. */
    struct Bar
    {
        float x, y1, y2;
    };

    LogoDrawComponent();
    ~LogoDrawComponent() override;

    /** The bars drawn in a component of width w and height h at the given phase. */
    static std::vector<Bar> barsFor (float w, float h, float phase);

    void paint (juce::Graphics&) override;
    void mouseUp (const juce::MouseEvent&) override;

    float getPhase() const { return phase; }
    bool hasLogoDrawable() const { return logoDrawable != nullptr; }

    /** The component that owns the intro screen; not owned. */
    juce::Component* board = nullptr;

private:
    void timerCallback() override;

    std::unique_ptr<juce::Drawable> logoDrawable;
    float phase = 0.0f;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LogoDrawComponent)
};
