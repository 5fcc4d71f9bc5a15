#include "partners/StrankaTaxNumber.h"

juce::String stripTaxPrefix (const juce::String& text)
{
    const int firstDigit = text.indexOfAnyOf ("0123456789");
    return firstDigit < 0 ? text : text.substring (firstDigit);
}

juce::String getStrankaTaxNumber (const StrankaRecord& party)
{
    if (party.davcna.isEmpty() || party.tipdavka)
        return party.davcna;
    return stripTaxPrefix (party.davcna);
}
