#include "partners/PaymentReferences.h"

juce::String normaliseIban (juce::String text)
{
    return text.toUpperCase().retainCharacters ("QWERTZUIOPASDFGHJKLYXCVBNM1234567890");
}

juce::String groupByFour (juce::String text)
{
    juce::String out;
    for (int i = 0; i < text.length(); i += 4)
        out << text.substring (i, i + 4) << " ";
    return out.trim();
}
