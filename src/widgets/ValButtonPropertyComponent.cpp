#include "widgets/ValButtonPropertyComponent.h"
#include "widgets/VindorPropertyPanel.h"

namespace
{
constexpr int kMultiLineRowHeight = 100;
}

ValButtonPropertyComponent::LabelComp::LabelComp (ValButtonPropertyComponent& o, int maxChars, bool multiline)
    : RowTextLabel (o, maxChars, multiline), owner (o)
{
}

void ValButtonPropertyComponent::LabelComp::editFinished()
{
    owner.textWasEdited();
}

ValButtonPropertyComponent::ValButtonPropertyComponent (const juce::Value& value, const juce::String& name,
                                                        int maxChars, bool multiLine, double buttonShare,
                                                        bool triggerOnMouseDown)
    : juce::PropertyComponent (name, 25), share (buttonShare)
{
    setPreferredHeight (propertyRowHeight (this));
    addAndMakeVisible (button);
    button.setTriggeredOnMouseDown (triggerOnMouseDown);
    button.addListener (this);

    label = std::make_unique<LabelComp> (*this, maxChars, multiLine);
    addAndMakeVisible (*label);

    if (multiLine)
    {
        label->setJustificationType (juce::Justification::topLeft);
        setPreferredHeight (kMultiLineRowHeight);
    }

    label->getTextValue().referTo (value);
}

ValButtonPropertyComponent::~ValButtonPropertyComponent()
{
    button.removeListener (this);
    label.reset();
}

void ValButtonPropertyComponent::refresh()
{
    button.setButtonText (getButtonText());
    label->setText (getText(), juce::dontSendNotification);
}

void ValButtonPropertyComponent::setText (const juce::String& text)
{
    label->setText (text, juce::sendNotificationSync);
}

juce::String ValButtonPropertyComponent::getText() const
{
    return label->getText();
}

void ValButtonPropertyComponent::resized()
{
    auto r = getLookAndFeel().getPropertyComponentContentPosition (*this);
    const int w = r.getWidth();
    button.setBounds (r.removeFromRight ((int) (w * share)));
    label->setBounds (r.removeFromLeft ((int) ((1.0 - share) * w)));
}

void ValButtonPropertyComponent::buttonClicked (juce::Button*)
{
    buttonClicked();
}

void ValButtonPropertyComponent::textWasEdited()
{
    const auto text = label->getText();
    if (getText() != text)
        setText (text);
}
