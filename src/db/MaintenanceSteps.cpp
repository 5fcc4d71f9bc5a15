#include "db/MaintenanceSteps.h"

#include "db/SQLtoXml.h"
#include "db/SchemaStep.h"
#include "db/SchemaSteps.h"
#include "partners/StrankaRecord.h"
#include "partners/StrankaVatID.h"

#include <vector>

namespace vindoro
{
namespace
{
constexpr int kHomeCountry = 185;

// The rows of a query, copied so that statements can run while they are walked.
std::vector<std::unique_ptr<juce::XmlElement>> fetchRows (SchemaStep& step, const juce::String& sql)
{
    std::vector<std::unique_ptr<juce::XmlElement>> rows;
    step.db().sqlQuery (sql);
    if (auto* data = step.db().getData())
        for (auto* row : data->getChildIterator())
            rows.push_back (std::make_unique<juce::XmlElement> (*row));
    return rows;
}
} // namespace

juce::String MaintenanceSteps::cleanName (const juce::String& name)
{
    return name.replace ("\n", " ").replace ("\r", " ").replace ("  ", " ").trim();
}

bool MaintenanceSteps::splitStreet (const juce::String& street, Address& out)
{
    int end = street.length();
    juce::String addition;
    if (end > 0 && juce::CharacterFunctions::isLetter (street[end - 1]))
    {
        addition = street.substring (end - 1);
        --end;
        while (end > 0 && juce::CharacterFunctions::isWhitespace (street[end - 1]))
            --end;
    }
    int start = end;
    while (start > 0 && juce::CharacterFunctions::isDigit (street[start - 1]))
        --start;
    if (start == end)
        return false;
    const juce::String rest = street.substring (0, start).trim();
    if (rest.isEmpty())
        return false;
    out.street = rest;
    out.number = street.substring (start, end).trim();
    out.addition = addition.trim();
    return true;
}

bool MaintenanceSteps::manteinance_from_0_to_1 (UpgradeRun& run, int denominator)
{
    SchemaStep step (run, "manteinance_from_0_to_1", 0, 1, SchemaStep::Kind::maintenance);
    const double d = denominator > 0 ? (double) denominator : 1.0;
    auto checkpoint = [&] (int k)
    {
        if (run.shouldStop())
        {
            step.leaveEarly();
            return false;
        }
        run.setProgress (k / d);
        return true;
    };

    const std::pair<const char*, const char*> dates[] = {
        { "glavna", "datum" },       { "racun", "datum" },        { "racun", "datumopravila" },
        { "racun", "datumvalute" },  { "racun", "datumprejeto" }, { "racun", "datumplacila" },
        { "artikel", "datumkreiranja" }, { "fubprem", "veljava" }, { "fumessage", "datetime" },
        { "fumessage", "datetime_r" }, { "serija", "datum" },
    };
    for (auto& date : dates)
        SchemaSteps::convertDateColumn (step, date.first, date.second);
    if (! checkpoint (1))
        return false;

    step.exec ("UPDATE artikel SET link2=IFNULL((SELECT posoda.tipizacija FROM posoda WHERE posoda.id=artikel.link),0) WHERE artikel.tip=4");
    if (! checkpoint (2))
        return false;

    {
        auto rows = fetchRows (step, "SELECT id,iban FROM iban");
        const double n = (double) juce::jmax ((size_t) 1, rows.size());
        int i = 0;
        for (auto& row : rows)
        {
            run.setProgress (++i / n);
            step.exec ("UPDATE iban SET iban='" + SchemaSteps::cleanAccountText (row->getStringAttribute ("iban")) + "' WHERE id="
                       + juce::String (row->getStringAttribute ("id").getIntValue()));
        }
    }
    if (! checkpoint (3))
        return false;

    {
        auto rows = fetchRows (step, "SELECT id,ulica,hisnast,hisnastdod,ime,dolgoime,drzava FROM stranka");
        const double n = (double) juce::jmax ((size_t) 1, rows.size());
        int i = 0;
        for (auto& row : rows)
        {
            run.setProgress (++i / n);
            if (row->getStringAttribute ("drzava").getIntValue() != kHomeCountry)
                continue;
            const juce::String id (row->getStringAttribute ("id").getIntValue());

            const juce::String name = row->getStringAttribute ("ime"), longName = row->getStringAttribute ("dolgoime");
            const juce::String newName = cleanName (name), newLongName = cleanName (longName);
            if (newName != name || newLongName != longName)
                step.exec ("UPDATE stranka SET ime=" + SchemaStep::quoted (newName) + ",dolgoime=" + SchemaStep::quoted (newLongName)
                           + " WHERE id=" + id);

            const juce::String street = row->getStringAttribute ("ulica").removeCharacters ("\r\n").trim();
            if (street.isEmpty() || juce::CharacterFunctions::isDigit (street[0])
                || row->getStringAttribute ("hisnast").trim().isNotEmpty()
                || row->getStringAttribute ("hisnastdod").trim().isNotEmpty()
                || ! street.containsAnyOf ("0123456789"))
                continue;
            Address split;
            if (! splitStreet (street, split))
                continue;
            step.log ("popravljam naslov:" + id + ". ulica prej:" + street + "->" + split.street + "/" + split.number + "/" + split.addition);
            step.exec ("UPDATE stranka SET ulica=" + SchemaStep::quoted (split.street) + ",hisnast=" + SchemaStep::quoted (split.number)
                       + ",hisnastdod=" + SchemaStep::quoted (split.addition) + " WHERE id=" + id);
        }
    }
    if (! checkpoint (4) || ! checkpoint (5))
        return false;

    step.exec ("UPDATE stranka SET tipdavka=0 WHERE tipdavka!=0 AND tipdavka!=1 AND length(davcna)<1");
    step.exec ("UPDATE stranka SET tipdavka=1 WHERE tipdavka!=0 AND tipdavka!=1 AND length(davcna)>0");
    step.exec ("UPDATE stranka SET tipdavka=0 WHERE tipdavka=1 AND length(davcna)<1");
    step.finish();
    return true;
}

void MaintenanceSteps::manteinance_from_1_to_2 (UpgradeRun& run)
{
    SchemaStep step (run, "manteinance_from_1_to_2", 1, 2, SchemaStep::Kind::maintenance);
    // Red and blue change places in the low 24 bits; an alpha byte above them stays.
    step.exec ("UPDATE sorta SET barva=(SELECT (barva & ~0xFFFFFF)|((0xFF&barva)<<16)|(0xFF00&barva)|((barva>>16)&0xFF))");
    step.finish();
}

void MaintenanceSteps::manteinance_from_2_to_3 (UpgradeRun& run)
{
    SchemaStep step (run, "manteinance_from_2_to_3", 2, 3, SchemaStep::Kind::maintenance);
    auto rows = fetchRows (step, "SELECT s.id AS id,d.kratica AS Drzava,s.davcna AS davcna,s.tipdavka AS tipdavka,d.eu AS DrzavaEU "
                                 "FROM stranka AS s LEFT JOIN drzava AS d ON d.id=s.drzava WHERE s.active=1");
    const double n = (double) juce::jmax ((size_t) 1, rows.size());
    int i = 0;
    for (auto& row : rows)
    {
        run.setProgress (++i / n);
        StrankaRecord party;
        party.id = row->getStringAttribute ("id").getIntValue();
        party.davcna = row->getStringAttribute ("davcna");
        party.Drzava = row->getStringAttribute ("Drzava");
        party.DrzavaEU = row->getBoolAttribute ("DrzavaEU");
        party.tipdavka = row->getBoolAttribute ("tipdavka");
        const juce::String vat = getStrankaVatID (party);
        if (vat != party.davcna)
            step.exec ("UPDATE stranka SET davcna=" + SchemaStep::quoted (vat) + " WHERE id=" + juce::String (party.id));
    }
    step.finish();
}
} // namespace vindoro
