#include "partners/PaymentReference.h"

namespace
{
const char* const kCheckedCharacters = "QWERTZUIOPASDFGHJKLYXCVBNM1234567890";
const char* const kWrittenCharacters = "QWERTZUIOPASDFGHJKLYXCVBNMqwertzuiopasdfghjklyxcvbnm1234567890";
} // namespace

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

boost::multiprecision::cpp_int bigIntegerFromDigits (juce::String digits)
{
    boost::multiprecision::cpp_int value = 0;
    for (auto p = digits.getCharPointer(); ! p.isEmpty();)
    {
        const auto c = p.getAndAdvance();
        value = value * 10 + ((c >= '0' && c <= '9') ? (int) (c - '0') : 0);
    }
    return value;
}

juce::String makeReferenceRF (juce::String reference)
{
    // The written reference keeps only what the check counts: a blank or a "/" left in the
    // printed text would make a reference whose check digits do not fit it.
    const juce::String written = reference.replace ("-", "X").retainCharacters (kWrittenCharacters);
    const juce::String checked = (written + "RF00").toUpperCase().retainCharacters (kCheckedCharacters);
    const auto remainder = bigIntegerFromDigits (lettersToDigits (checked)) % 97;
    const int check = 98 - remainder.convert_to<int>();
    return "RF" + juce::String (check).paddedLeft ('0', 2) + written;
}

juce::String formatReferenceForPrint (juce::String reference)
{
    if (reference.startsWith ("SI"))
        return reference.substring (0, 4) + " " + reference.substring (4);
    if (reference.startsWith ("RF"))
        return reference.substring (0, 2) + " " + reference.substring (2);
    return reference;
}
