#include "cellar/ParcelaRecord.h"
#include "core/Log.h"
#include "db/SQLtoXml.h"

const char* const parcelaSelectSql =
    "SELECT parcela.id AS parcelaid,parcela.ime AS parcela,parcela.vinogradnik AS strankaid,vinogradnik.ime AS vime,"
    "vinogradnik.naselje AS vnaslov,parcela.gerkpid AS gerkpid,drzava.ime AS drzavaime,drzava.kratica AS drzavakratica,"
    "drzava.eu AS drzavaeu,drzava.id AS drzavaid,parcela.active as active FROM parcela LEFT JOIN stranka AS vinogradnik"
    " ON parcela.vinogradnik = vinogradnik.id LEFT JOIN drzava ON drzava.id=parcela.drzava WHERE parcela.active=1";

bool operator== (const ParcelaRecord& a, const ParcelaRecord& b)
{
    return a.id == b.id && a.ime.compare (b.ime) == 0 && a.vinogradnik == b.vinogradnik && a.gerkpid.compare (b.gerkpid) == 0
           && a.drzava == b.drzava && a.active == b.active;
}

ParcelaRecord interpretParcelaXml (const juce::XmlElement* row)
{
    ParcelaRecord parcel;
    parcel.drzava.id = kHomeDrzava;
    parcel.drzava.ime = "Slovenija";
    if (row == nullptr)
        return parcel;
    parcel.id = row->getIntAttribute ("parcelaid", 0);
    parcel.ime = row->getStringAttribute ("parcela");
    parcel.vinogradnik.id = row->getIntAttribute ("strankaid", 0);
    parcel.vinogradnik.ime = row->getStringAttribute ("vime");
    parcel.vinogradnik.naslov = row->getStringAttribute ("vnaslov");
    parcel.gerkpid = row->getStringAttribute ("gerkpid");
    parcel.drzava.id = row->getIntAttribute ("drzavaid", 0);
    parcel.drzava.ime = row->getStringAttribute ("drzavaime");
    parcel.drzava.kratica = row->getStringAttribute ("drzavakratica");
    parcel.drzava.eu = row->getBoolAttribute ("drzavaeu", false);
    parcel.active = row->getBoolAttribute ("active", false);
    return parcel;
}

bool saveParcela (ParcelaRecord& parcel, bool insert, juce::String& error)
{
    if (parcel.ime.isEmpty())
    {
        vindoro::vlog ("ParcelaEditor::save", "Empty parcela name!");
        error = TRANS ("Parcela nima imena");
        return false;
    }
    if (parcel.vinogradnik.id < 1)
    {
        error = TRANS ("Vinogradnik ni dolocen");
        return false;
    }
    if (parcel.drzava.id < 1)
    {
        error = TRANS ("Drzava ni dolocena");
        return false;
    }
    const auto ime = SQLtoXml::sqlEscapeQuotes (parcel.ime);
    const auto gerk = SQLtoXml::sqlEscapeQuotes (parcel.gerkpid);
    const juce::String grower (parcel.vinogradnik.id), country (parcel.drzava.id);

    SQLtoXml db;
    if (insert)
    {
        const auto newId = db.sqlInsert ("INSERT INTO parcela(ime,vinogradnik,gerkpid,drzava,active) VALUES('" + ime + "','"
                                         + grower + "','" + gerk + "','" + country + "','1')");
        if (newId <= 0)
        {
            error = TRANS ("Napaka pri spreminjanju parcele z imenom ") + parcel.ime;
            return false;
        }
        parcel.id = (int) newId;
    }
    else if (! db.sqlQueryNA ("UPDATE parcela SET active=1,ime='" + ime + "',vinogradnik=" + grower + ",gerkpid='" + gerk
                              + "',drzava=" + country + " WHERE id = " + juce::String (parcel.id)))
    {
        error = TRANS ("Napaka pri spreminjanju parcele z imenom ") + parcel.ime;
        return false;
    }
    parcel.active = true;
    return true;
}
