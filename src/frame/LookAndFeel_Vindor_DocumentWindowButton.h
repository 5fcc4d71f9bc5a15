#pragma once
// Title-bar button of the program's look-and-feel: a round button with a shape in it.
// Owned by the document window that asked the look-and-feel for it; it must paint exactly as
// the framework's V3 title-bar button, so title bars look the same under either style.
#include <juce_gui_basics/juce_gui_basics.h>

class LookAndFeel_Vindor_DocumentWindowButton final : public juce::Button
{
public:
    LookAndFeel_Vindor_DocumentWindowButton (const juce::String& name, juce::Colour colour,
                                             const juce::Path& normalShape, const juce::Path& toggledShape);

    void paintButton (juce::Graphics& g, bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;

private:
    juce::Colour colour;
    juce::Path normalShape, toggledShape;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LookAndFeel_Vindor_DocumentWindowButton)
};
