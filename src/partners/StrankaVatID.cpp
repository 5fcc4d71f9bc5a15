#include "partners/StrankaVatID.h"

#include "partners/StrankaRecord.h"
#include "partners/StripTaxPrefix.h"

juce::String getStrankaVatID (const StrankaRecord& party)
{
    const juce::String t = party.davcna.removeCharacters ("\r\n").trim();
    if (t.isEmpty())
        return {};
    if (! party.tipdavka)
        return party.DrzavaEU ? stripTaxPrefix (t) : t;
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
