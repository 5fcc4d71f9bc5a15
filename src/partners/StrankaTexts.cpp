#include "partners/StrankaTexts.h"
#include "partners/StrankaTaxNumber.h"

juce::String getStrankaAddressText (StrankaRecord party, int mode)
{
    if (party.id <= 0)
        return {};
    juce::String text = party.ime;
    if (party.naslov.isNotEmpty())
        text << "\n" << party.naslov;
    if (party.posta.isNotEmpty())
        text << "\n" << party.posta;
    // Country names are stored in Slovenian capitals and shown through the language file.
    if ((mode == 1 || mode == 2) && party.DrzavaDolgo.isNotEmpty())
        text << "\n" << juce::translate (party.DrzavaDolgo);
    if (mode <= 1)
    {
        const auto tax = getStrankaTaxNumber (party);
        if (tax.isNotEmpty())
            text << "\n\n" << (party.tipdavka ? TRANS ("Stranka_Vat") : TRANS ("Stranka_davcna")) << ": " << tax;
    }
    return text;
}

juce::String getStrankaTypeTitle (int mask)
{
    for (int index = 0; index < 5; ++index)
        if ((mask & (1 << index)) != 0)
            return juce::translate ("tipstranke" + juce::String (index));
    return TRANS ("stranka");
}
