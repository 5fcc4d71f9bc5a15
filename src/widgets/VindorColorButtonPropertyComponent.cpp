#include "widgets/VindorColorButtonPropertyComponent.h"
#include "core/Log.h"
#include "widgets/VindorPropertyPanel.h"

VindorColorButtonPropertyComponent::VindorColorButtonPropertyComponent (const juce::String& name, juce::Component* owner)
    : juce::PropertyComponent (name, 25)
{
    colourButton = std::make_unique<ColourChangeButtonV> (owner);
    addAndMakeVisible (*colourButton);
    setPreferredHeight (propertyRowHeight (this));
    colourButton->setTriggeredOnMouseDown (false);
    colourButton->addListener (this);
}

VindorColorButtonPropertyComponent::~VindorColorButtonPropertyComponent()
{
    colourButton->removeListener (this);
    colourButton.reset();
}

void VindorColorButtonPropertyComponent::refresh()
{
    colourButton->setButtonText (getButtonText());
}

void VindorColorButtonPropertyComponent::buttonClicked()
{
    vindoro::vlog ("VindorColorButtonPropertyComponent::buttonClicked", "if you need action then change here");
}

juce::String VindorColorButtonPropertyComponent::getButtonText() const
{
    return TRANS ("Click to change colour...");
}

void VindorColorButtonPropertyComponent::setColour (juce::uint32 argb)
{
    if (argb < 0x1000000u)
        argb |= 0xff000000u;

    colourButton->setAcceptedColour (juce::Colour (argb));
}

void VindorColorButtonPropertyComponent::buttonClicked (juce::Button*)
{
    buttonClicked();
}

void VindorColorButtonPropertyComponent::resized()
{
    colourButton->setBounds (getLookAndFeel().getPropertyComponentContentPosition (*this));
}
