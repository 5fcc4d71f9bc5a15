#include "widgets/ValChoicePropertyComponent.h"
#include "widgets/VindorPropertyPanel.h"

namespace
{
constexpr int kMaxChars = 50;
}

ValChoicePropertyComponent::LabelComp::LabelComp (ValChoicePropertyComponent& o, int maxChars, bool multiline)
    : RowTextLabel (o, maxChars, multiline), owner (o)
{
}

void ValChoicePropertyComponent::LabelComp::editFinished()
{
    owner.textWasEdited();
}

ValChoicePropertyComponent::RemapperValueSource::RemapperValueSource (const juce::Value& source,
                                                                      const juce::Array<juce::var>& map)
    : sourceValue (source), mappings (map)
{
    sourceValue.addListener (this);
}

ValChoicePropertyComponent::RemapperValueSource::~RemapperValueSource()
{
    sourceValue.removeListener (this);
}

juce::var ValChoicePropertyComponent::RemapperValueSource::getValue() const
{
    const auto target = sourceValue.getValue();

    for (int i = 0; i < mappings.size(); ++i)
        if (mappings.getReference (i).equalsWithSameType (target))
            return i + 1;

    return mappings.indexOf (target) + 1;
}

void ValChoicePropertyComponent::RemapperValueSource::setValue (const juce::var& newValue)
{
    const int index = static_cast<int> (newValue) - 1;
    const auto mapped = juce::isPositiveAndBelow (index, mappings.size()) ? mappings.getReference (index) : juce::var();

    if (! mapped.equalsWithSameType (sourceValue.getValue()))
        sourceValue = mapped;
}

void ValChoicePropertyComponent::RemapperValueSource::valueChanged (juce::Value&)
{
    sendChangeMessage (true);
}

ValChoicePropertyComponent::ValChoicePropertyComponent (const juce::Value& textValue, const juce::Value& choiceValue,
                                                        const juce::String& name, const juce::StringArray& choiceTexts,
                                                        const juce::Array<juce::var>& choiceValues, double buttonShare)
    : juce::PropertyComponent (name, 25), choices (choiceTexts), share (buttonShare)
{
    setPreferredHeight (propertyRowHeight (this));
    addAndMakeVisible (comboBox);

    for (int i = 0; i < choices.size(); ++i)
    {
        if (choices[i].isNotEmpty())
            comboBox.addItem (choices[i], i + 1);
        else
            comboBox.addSeparator();
    }

    comboBox.setEditableText (false);

    label = std::make_unique<LabelComp> (*this, kMaxChars, false);
    addAndMakeVisible (*label);

    comboBox.getSelectedIdAsValue().referTo (juce::Value (new RemapperValueSource (choiceValue, choiceValues)));
    label->getTextValue().referTo (textValue);
    juce::ignoreUnused (isCustomClass);
}

ValChoicePropertyComponent::~ValChoicePropertyComponent()
{
    label.reset();
}

void ValChoicePropertyComponent::refresh()
{
    label->setText (getText(), juce::dontSendNotification);
}

void ValChoicePropertyComponent::setText (const juce::String& text)
{
    label->setText (text, juce::sendNotificationSync);
}

juce::String ValChoicePropertyComponent::getText() const
{
    return label->getText();
}

void ValChoicePropertyComponent::resized()
{
    auto r = getLookAndFeel().getPropertyComponentContentPosition (*this);
    const int w = r.getWidth();
    comboBox.setBounds (r.removeFromRight ((int) (w * share)));
    label->setBounds (r.removeFromLeft ((int) ((1.0 - share) * w)));
}

void ValChoicePropertyComponent::textWasEdited()
{
    const auto text = label->getText();
    if (getText() != text)
        setText (text);
}
