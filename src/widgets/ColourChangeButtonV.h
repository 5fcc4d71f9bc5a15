#pragma once
// A button painted in its colour that opens a colour selector window; the button follows the
// selector live, Select keeps the colour (into `value` as an ARGB integer), Cancel restores it.
// Owned by its colour row; owns nothing of the selector window, which the framework deletes.
#include "frame/VindorWindowSetup.h"
#include "widgets/SelectorBarve.h"

#include <juce_gui_basics/juce_gui_basics.h>

class ColourChangeButtonV : public juce::TextButton,
                            public VindorWindowSetup
{
public:
    explicit ColourChangeButtonV (juce::Component* owner);
    ~ColourChangeButtonV() override;

    void clicked() override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    juce::Colour getColour() const { return colour; }
    /** Takes the colour as the accepted one and paints the button in it. */
    void setAcceptedColour (juce::Colour c);
    juce::Colour getPaintedColour() const { return findColour (juce::TextButton::buttonColourId); }
    SelectorBarve* getSelector() const { return selector.getComponent(); }

    juce::Colour colour { 0x00000000 };
    juce::Value value;

private:
    juce::Component* owner = nullptr;
    juce::Component::SafePointer<SelectorBarve> selector;

    void paintIn (juce::Colour c);
};
