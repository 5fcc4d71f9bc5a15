#include "partners/StrankaRecord.h"

namespace
{
bool same (const juce::String& a, const juce::String& b) { return a.compare (b) == 0; }
} // namespace

bool operator== (StrankaRecord a, StrankaRecord b)
{
    return a.id == b.id && same (a.naslov, b.naslov) && same (a.posta, b.posta) && same (a.Drzava, b.Drzava)
           && same (a.DrzavaDolgo, b.DrzavaDolgo) && a.DrzavaEU == b.DrzavaEU && same (a.ime, b.ime)
           && same (a.dolgoime, b.dolgoime) && same (a.ulica, b.ulica) && same (a.hisnast, b.hisnast)
           && same (a.hisnastdod, b.hisnastdod) && same (a.naselje, b.naselje) && same (a.postnast, b.postnast)
           && same (a.postaime, b.postaime) && a.drzava == b.drzava && same (a.telefon, b.telefon)
           && same (a.telefon2, b.telefon2) && same (a.mobi, b.mobi) && same (a.faks, b.faks)
           && same (a.email, b.email) && same (a.web, b.web) && a.rokplacila == b.rokplacila
           && a.popust == b.popust && same (a.davcna, b.davcna) && same (a.maticna, b.maticna)
           && a.ibanid == b.ibanid && same (a.swift, b.swift) && same (a.IBAN, b.IBAN) && same (a.kmgmid, b.kmgmid)
           && same (a.gln, b.gln) && a.tipdavka == b.tipdavka && a.tipstranke == b.tipstranke;
}
