#pragma once
// A fixed list of choices: display texts and their codes, index for index. Owned by the invoices
// subsystem; choice rows take it as input and cells turn a stored code back into its text.
#include <juce_core/juce_core.h>

class ChoiceTable
{
public:
    void add (const juce::String& text, const juce::var& code);

    /** The text of `code` (variant equality, first match), or the empty text when it is not listed. */
    juce::String getText (const juce::var& code) const;

    int size() const { return texts.size(); }

    juce::StringArray texts;
    juce::Array<juce::var> codes;
};
