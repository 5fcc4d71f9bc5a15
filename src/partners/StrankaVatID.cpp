#include "partners/StrankaVatID.h"

#include "partners/StrankaRecord.h"

namespace
{
juce::String fromFirstDigit (const juce::String& text)
{
    const int at = text.indexOfAnyOf ("0123456789");
    return at < 0 ? text : text.substring (at);
}
} // namespace

juce::String getStrankaVatID (const StrankaRecord& party)
{
    const juce::String t = party.davcna.removeCharacters ("\r\n").trim();
    if (t.isEmpty())
        return {};
    if (! party.tipdavka)
        return party.DrzavaEU ? fromFirstDigit (t) : t;
    if (! party.DrzavaEU)
        return t;

    const juce::String digits = t.retainCharacters ("0123456789");
    const juce::String& code = party.Drzava;
    if (code == "AT")
        return "ATU" + digits;
    if (code == "GR")
        return "EL" + digits;
    for (auto* keepsLetters : { "CY", "IE", "NL", "PL", "ES", "GB" })
        if (code == keepsLetters)
            return t.startsWith (code) ? t : code + t;
    return code + digits;
}
