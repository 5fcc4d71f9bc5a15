#include "partners/PaymentReference.h"

juce::String makeReferenceSI00 (int first, int second)
{
    return "SI00" + juce::String (first) + juce::String (second);
}

juce::String lettersToDigits (juce::String text)
{
    juce::String digits;
    for (auto p = text.getCharPointer(); ! p.isEmpty();)
    {
        const auto c = p.getAndAdvance();
        if (c >= '0' && c <= '9')
            digits << juce::String::charToString (c);
        else
            digits << juce::String ((int) c - 55);
    }
    return digits;
}

juce::String makeReferenceRF (juce::String reference)
{
    const juce::String checked = (reference + "RF00").replace ("-", "X").toUpperCase()
                                     .retainCharacters ("QWERTZUIOPASDFGHJKLYXCVBNM1234567890");
    // The digit text runs past 64 bits; its remainder is taken digit by digit, which gives the
    // same result as the remainder of the whole number.
    // The digit text is held in a named string: a pointer into a temporary would outlive it.
    const juce::String digits = lettersToDigits (checked);
    int remainder = 0;
    for (auto p = digits.getCharPointer(); ! p.isEmpty();)
        remainder = (remainder * 10 + (int) (p.getAndAdvance() - '0')) % 97;
    const int check = 98 - remainder;
    return "RF" + juce::String (check).paddedLeft ('0', 2) + reference.replace ("-", "X");
}
