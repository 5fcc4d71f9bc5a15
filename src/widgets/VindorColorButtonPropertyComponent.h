#pragma once
// The colour row of editor panels and settings pages: a button painted in the colour, picking a
// new one in a selector window. The row owns its button; readers take the ARGB integer from the
// button's Value or its colour.
#include "widgets/ColourChangeButtonV.h"

#include <memory>

class VindorColorButtonPropertyComponent : public juce::PropertyComponent,
                                           public juce::Button::Listener
{
public:
    VindorColorButtonPropertyComponent (const juce::String& name, juce::Component* owner);
    ~VindorColorButtonPropertyComponent() override;

    void refresh() override;
    virtual void buttonClicked();
    virtual juce::String getButtonText() const;

    /** Shows a colour; a value without an alpha byte (below 0x1000000) is taken fully opaque. */
    void setColour (juce::uint32 argb);

    void buttonClicked (juce::Button*) override;
    void resized() override;

    ColourChangeButtonV& getColourButton() { return *colourButton; }

private:
    std::unique_ptr<ColourChangeButtonV> colourButton;
};
