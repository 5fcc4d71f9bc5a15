#include "partners/StrankaQuery.h"
#include "core/Log.h"
#include "db/SQLtoXml.h"

const char* const strankaSelectSql =
    "SELECT s.id AS id,s.ime AS ime,s.dolgoime AS dolgoime,s.ulica || ' ' || s.hisnast || s.hisnastdod || CASE WHEN "
    "IFNULL(s.naselje,'')='' THEN '' ELSE ', ' || s.naselje END AS naslov,s.ulica, s.hisnast, s.hisnastdod,s.naselje,"
    "CASE WHEN IFNULL(s.postnast,'')='' THEN '' ELSE  d.kratica || '-' || s.postnast END || CASE WHEN "
    "IFNULL(s.postaime,'')='' THEN '' ELSE ' ' || s.postaime END AS posta,s.postnast,s.postaime,s.drzava AS drzava,"
    "d.kratica AS Drzava,s.telefon AS telefon,s.telefon2 AS telefon2,s.mobi AS mobi,s.faks AS faks,s.email AS email,"
    "s.web AS web,s.rokplacila AS rokplacila,s.popust AS popust,s.davcna AS davcna,s.maticna AS maticna,"
    "iban.iban AS IBAN,s.kmgmid AS kmgmid,s.gln AS gln,s.tipdavka AS tipdavka,s.tipstranke AS tipstranke,"
    "s.active AS active,d.ime AS DrzavaDolgo, d.eu AS DrzavaEU, s.iban AS ibanid,banka.swift AS swift FROM stranka "
    "AS s LEFT JOIN drzava AS d ON d.id=s.drzava LEFT JOIN iban ON iban.id=s.iban LEFT JOIN banka ON "
    "banka.id=iban.banka WHERE s.active=1 AND s.tipstranke & ";

namespace
{
/** An attribute as text without line breaks: a value pasted with them still reads as one word. */
juce::String textOf (const juce::XmlElement& row, const char* name)
{
    return row.getStringAttribute (name).removeCharacters ("\r\n");
}

int intOf (const juce::XmlElement& row, const char* name) { return textOf (row, name).getIntValue(); }

bool flagOf (const juce::XmlElement& row, const char* name)
{
    const auto text = textOf (row, name);
    const auto trimmed = text.trim();
    return text.getIntValue() != 0 || trimmed.equalsIgnoreCase ("true") || trimmed.equalsIgnoreCase ("yes");
}
} // namespace

StrankaRecord interpretStrankaXml (const juce::XmlElement* row)
{
    StrankaRecord party;
    if (row == nullptr)
        return party;
    const auto& r = *row;
    party.id = intOf (r, "id");
    party.naslov = textOf (r, "naslov");
    party.posta = textOf (r, "posta");
    party.Drzava = textOf (r, "Drzava");
    party.DrzavaDolgo = textOf (r, "DrzavaDolgo");
    party.DrzavaEU = flagOf (r, "DrzavaEU");
    party.ime = textOf (r, "ime");
    party.dolgoime = textOf (r, "dolgoime");
    party.ulica = textOf (r, "ulica");
    party.hisnast = textOf (r, "hisnast");
    party.hisnastdod = textOf (r, "hisnastdod");
    party.naselje = textOf (r, "naselje");
    party.postnast = textOf (r, "postnast");
    party.postaime = textOf (r, "postaime");
    party.drzava = intOf (r, "drzava");
    party.telefon = textOf (r, "telefon");
    party.telefon2 = textOf (r, "telefon2");
    party.mobi = textOf (r, "mobi");
    party.faks = textOf (r, "faks");
    party.email = textOf (r, "email");
    party.web = textOf (r, "web");
    party.rokplacila = intOf (r, "rokplacila");
    party.popust = textOf (r, "popust").getDoubleValue();
    party.davcna = textOf (r, "davcna");
    party.maticna = textOf (r, "maticna");
    party.ibanid = intOf (r, "ibanid");
    party.swift = textOf (r, "swift");
    party.IBAN = textOf (r, "IBAN");
    party.kmgmid = textOf (r, "kmgmid");
    party.gln = textOf (r, "gln");
    party.tipdavka = flagOf (r, "tipdavka");
    party.tipstranke = intOf (r, "tipstranke");
    return party;
}

StrankaRecord getStrankaDetails (SQLtoXml* query, int id)
{
    if (query == nullptr || id <= 0)
        return {};
    if (query->sqlQuery (strankaSelectSql + juce::String (kStrankaAllKinds) + " AND s.id=" + juce::String (id)) == nullptr)
        return {};
    auto* row = query->getData() != nullptr ? query->getData()->getFirstChildElement() : nullptr;
    if (row == nullptr)
    {
        vindoro::vlog ("PregledBazeStranka::getStrankaDetails", "WARNING: no stranka " + juce::String (id));
        return {};
    }
    return interpretStrankaXml (row);
}
