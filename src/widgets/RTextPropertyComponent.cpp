#include "widgets/RTextPropertyComponent.h"
#include "widgets/VindorPropertyPanel.h"

namespace
{
constexpr int kMaxChars = 200;
}

RTextPropertyComponent::LabelComp::LabelComp (RTextPropertyComponent& o, int maxChars, bool multiline)
    : RowTextLabel (o, maxChars, multiline), owner (o)
{
}

void RTextPropertyComponent::LabelComp::editFinished()
{
    owner.textWasEdited();
}

RTextPropertyComponent::RTextPropertyComponent (const juce::Value& value, const juce::String& name)
    : juce::PropertyComponent (name, 25)
{
    label = std::make_unique<LabelComp> (*this, kMaxChars, false);
    addAndMakeVisible (*label);
    label->setJustificationType (juce::Justification::topRight);
    setPreferredHeight (propertyRowHeight (this));
    label->getTextValue().referTo (value);
}

RTextPropertyComponent::~RTextPropertyComponent()
{
    label.reset();
}

void RTextPropertyComponent::refresh()
{
    label->setText (getText(), juce::dontSendNotification);
}

void RTextPropertyComponent::setText (const juce::String& text)
{
    label->setText (text, juce::sendNotificationSync);
}

juce::String RTextPropertyComponent::getText() const
{
    return label->getText();
}

void RTextPropertyComponent::resized()
{
    label->setBounds (getLookAndFeel().getPropertyComponentContentPosition (*this));
}

void RTextPropertyComponent::textWasEdited()
{
    const auto text = label->getText();
    if (getText() != text)
        setText (text);
}
