#include "invoices/ChoiceTable.h"

void ChoiceTable::add (const juce::String& text, const juce::var& code)
{
    texts.add (text);
    codes.add (code);
}

juce::String ChoiceTable::getText (const juce::var& code) const
{
    const int index = codes.indexOf (code);
    return juce::isPositiveAndBelow (index, texts.size()) ? texts[index] : juce::String();
}
