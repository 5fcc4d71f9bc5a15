#include "partners/DrzavaRecord.h"
#include "core/Log.h"
#include "db/SQLtoXml.h"

const char* const drzavaSelectSql = "SELECT id,ime,kratica,eu,active FROM drzava WHERE active=1";

bool operator== (const DrzavaRecord& a, const DrzavaRecord& b)
{
    return a.id == b.id && a.kratica.compare (b.kratica) == 0 && a.ime.compare (b.ime) == 0 && a.eu == b.eu
           && a.active == b.active;
}

DrzavaRecord interpretDrzavaXml (const juce::XmlElement* row)
{
    DrzavaRecord country;
    if (row == nullptr)
        return country;
    country.id = row->getIntAttribute ("id", 0);
    country.ime = row->getStringAttribute ("ime");
    country.kratica = row->getStringAttribute ("kratica");
    country.eu = row->getBoolAttribute ("eu", false);
    country.active = row->getBoolAttribute ("active", false);
    return country;
}

bool saveDrzava (DrzavaRecord& country, bool insert, juce::String& error)
{
    if (country.ime.isEmpty())
    {
        vindoro::vlog ("DrzavaEditor::save", "Empty Drzava opis!");
        error = TRANS ("drzava nima imena");
        return false;
    }
    if (country.kratica.isEmpty())
    {
        vindoro::vlog ("DrzavaEditor::save", "Empty Drzava kratica!");
        error = TRANS ("drzava nima kratice");
        return false;
    }
    const juce::String eu = country.eu ? "1" : "0";
    const auto ime = SQLtoXml::sqlEscapeQuotes (country.ime);
    const auto kratica = SQLtoXml::sqlEscapeQuotes (country.kratica);

    SQLtoXml db;
    if (insert)
    {
        if (! db.sqlQueryNA ("INSERT INTO drzava(ime,kratica,eu,active) VALUES('" + ime + "','" + kratica + "','" + eu + "','1')"))
        {
            error = TRANS ("Napaka pri dodajanju drzave z imenom ") + country.ime;
            return false;
        }
        country.id = (int) db.lastInsertedID();
    }
    else if (! db.sqlQueryNA ("UPDATE drzava SET active=1,ime='" + ime + "',eu=" + eu + ",kratica='" + kratica
                              + "' WHERE id = " + juce::String (country.id)))
    {
        error = TRANS ("Napaka pri spreminjanju drzave z imenom ") + country.ime;
        return false;
    }
    country.active = true;
    return true;
}
