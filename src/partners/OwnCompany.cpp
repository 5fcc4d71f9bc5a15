#include "partners/OwnCompany.h"
#include "core/Log.h"
#include "db/SQLtoXml.h"

#include <atomic>

using juce::String;

namespace
{
std::atomic<StrankaRecord*> registeredPodjetje { nullptr };

StrankaRecord& spareRecord()
{
    static StrankaRecord record;
    return record;
}
} // namespace

StrankaRecord& getPodjetje()
{
    auto* record = registeredPodjetje.load();
    return record != nullptr ? *record : spareRecord();
}

void setPodjetjeRecord (StrankaRecord* record) { registeredPodjetje.store (record); }

StrankaRecord loadCompanyFromTable (SQLtoXml& query, int id)
{
    StrankaRecord party;
    if (id <= 0)
        return party;
    query.sqlQuery ("SELECT s.id, s.ime, s.dolgoime, s.ulica, s.hisnast, s.hisnastdod, s.naselje, s.postnast, s.postaime,"
                    " s.drzava, s.telefon, s.telefon2, s.mobi, s.faks, s.email, s.web, s.rokplacila, s.popust, s.davcna,"
                    " s.maticna, s.iban, s.kmgmid, s.gln, s.tipdavka, s.tipstranke, d.kratica, d.ime AS drzavaime, d.eu"
                    " FROM stranka s LEFT JOIN drzava d ON d.id=s.drzava WHERE s.id=" + String (id)
                    + " AND s.active=1 AND (s.tipstranke & 31)");
    auto* row = query.getData() != nullptr ? query.getData()->getFirstChildElement() : nullptr;
    if (row == nullptr)
    {
        vindoro::vlog ("loadCompanyFromTable", "WARNING: no stranka " + String (id));
        return party;
    }
    auto text = [row] (const char* name) { return row->getStringAttribute (name); };
    party.id = row->getIntAttribute ("id", -1);
    party.ime = text ("ime");
    party.dolgoime = text ("dolgoime");
    party.ulica = text ("ulica");
    party.hisnast = text ("hisnast");
    party.hisnastdod = text ("hisnastdod");
    party.naselje = text ("naselje");
    party.postnast = text ("postnast");
    party.postaime = text ("postaime");
    party.drzava = row->getIntAttribute ("drzava");
    party.Drzava = text ("kratica");
    party.DrzavaDolgo = text ("drzavaime");
    party.DrzavaEU = row->getIntAttribute ("eu") != 0;
    party.telefon = text ("telefon");
    party.telefon2 = text ("telefon2");
    party.mobi = text ("mobi");
    party.faks = text ("faks");
    party.email = text ("email");
    party.web = text ("web");
    party.rokplacila = row->getIntAttribute ("rokplacila");
    party.popust = row->getDoubleAttribute ("popust");
    party.davcna = text ("davcna");
    party.maticna = text ("maticna");
    party.ibanid = row->getIntAttribute ("iban");
    party.kmgmid = text ("kmgmid");
    party.gln = text ("gln");
    party.tipdavka = row->getIntAttribute ("tipdavka") != 0;
    party.tipstranke = row->getIntAttribute ("tipstranke");
    return party;
}
