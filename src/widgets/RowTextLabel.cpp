#include "widgets/RowTextLabel.h"

RowTextLabel::RowTextLabel (juce::PropertyComponent& ownerRow, int maxCharacters, bool multiline)
    : juce::Label ({}, {}), row (ownerRow), maxChars (maxCharacters), isMultiline (multiline)
{
    setEditable (true, true, false);
    setColour (backgroundColourId, row.findColour (juce::TextPropertyComponent::backgroundColourId));
    setColour (outlineColourId, row.findColour (juce::TextPropertyComponent::outlineColourId));
    setColour (textColourId, row.findColour (juce::TextPropertyComponent::textColourId));
}

RowTextLabel::~RowTextLabel() = default;

void RowTextLabel::filesDropped (const juce::StringArray& files, int, int)
{
    setText (getText() + files.joinIntoString (isMultiline ? "\n" : ", "), juce::sendNotificationSync);
    showEditor();
}

juce::TextEditor* RowTextLabel::createEditorComponent()
{
    auto* editor = juce::Label::createEditorComponent();
    editor->setInputRestrictions (maxChars);

    if (isMultiline)
    {
        editor->setMultiLine (true, true);
        editor->setReturnKeyStartsNewLine (true);
    }

    return editor;
}

void RowTextLabel::textWasEdited()
{
    editFinished();
}
