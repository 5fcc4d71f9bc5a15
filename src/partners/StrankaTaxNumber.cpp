#include "partners/StrankaTaxNumber.h"

juce::String getStrankaTaxNumber (const StrankaRecord& party)
{
    if (party.davcna.isEmpty() || party.tipdavka)
        return party.davcna;
    return stripTaxPrefix (party.davcna);
}
