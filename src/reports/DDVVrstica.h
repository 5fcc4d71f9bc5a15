#pragma once
// The VAT line of one invoice for one rate kind: rate, tax base and VAT amount as the per-invoice
// VAT query gives them. A new line reads "NULL" in every field, which is what a caller sees for a
// kind the invoice does not use. A value type, copied freely.
#include <juce_core/juce_core.h>

class DDVVrstica
{
public:
    DDVVrstica() = default;

    juce::String Stopnja { "NULL" };
    juce::String Osnova { "NULL" };
    juce::String Znesek { "NULL" };
};
