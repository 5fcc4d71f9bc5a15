#include "operations/analiza.h"
#include "core/Log.h"
#include "core/TextHelpers.h"
#include "db/SQLtoXml.h"

double& analiza::measure (const juce::String& n)
{
    if (n == "gostota") return gostota;
    if (n == "alkohol") return alkohol;
    if (n == "salkohol") return salkohol;
    if (n == "ekstrakt") return ekstrakt;
    if (n == "rsladkor") return rsladkor;
    if (n == "ekstraktbs") return ekstraktbs;
    if (n == "skis") return skis;
    if (n == "hkis") return hkis;
    if (n == "nkis") return nkis;
    if (n == "ph") return ph;
    if (n == "prosto") return prosto;
    if (n == "szveplo") return szveplo;
    jassert (n == "pepel");
    return pepel;
}

int* analiza::unit (const juce::String& n)
{
    if (n == "gostota") return &e_gostota;
    if (n == "alkohol") return &e_alkohol;
    if (n == "salkohol") return &e_salkohol;
    if (n == "ekstrakt") return &e_ekstrakt;
    if (n == "rsladkor") return &e_rsladkor;
    if (n == "ekstraktbs") return &e_ekstraktbs;
    if (n == "skis") return &e_skis;
    if (n == "hkis") return &e_hkis;
    if (n == "nkis") return &e_nkis;
    if (n == "prosto") return &e_prosto;
    if (n == "szveplo") return &e_szveplo;
    if (n == "pepel") return &e_pepel;
    return nullptr;
}

analiza analiza::storeToDB (const AnalizaValues& values, int entry)
{
    analiza record;
    bool anyValue = false;
    for (const auto& m : analizaMeasures())
    {
        const auto text = values.measure (m.name).toString();
        anyValue = anyValue || text.isNotEmpty();
        record.measure (m.name) = parseDecimalTruncated (text, m.decimals);
        if (auto* u = record.unit (m.name))
            *u = (int) values.unit (m.name).getValue();
    }
    record.drugo = values.drugo.toString();
    record.odlocba = values.odlocba.toString();
    record.ocena = parseDecimalTruncated (values.ocena.toString(), 2);
    anyValue = anyValue || record.drugo.isNotEmpty() || values.ocena.toString().isNotEmpty() || record.odlocba.isNotEmpty();

    bool store = anyValue;
    record.datumodlocba = values.datumodlocba.toString();
    if (record.datumodlocba.isNotEmpty())
        store = true;
    else
        record.datumodlocba = juce::Time::getCurrentTime().formatted ("%Y-%m-%d %H:%M:%S");
    record.id = 0;
    record.glavna = entry;
    record.active = true;
    vindoro::vlog ("analiza::storeToDB", juce::String ("optional:true anyvalues:") + (store ? "true" : "false"));
    if (store && ! record.storeToDB())
        record.id = -2;
    return record;
}

bool analiza::storeToDB()
{
    SQLtoXml db;
    juce::XmlElement* row = nullptr;
    if (id > 0)
    {
        db.sqlQuery ("SELECT * FROM analiza WHERE id=" + juce::String (id));
        if (db.getNumRows() >= 2)
            vindoro::vlog ("analiza::storeToDB", "WARNING - dobilo " + juce::String (db.getNumRows()) + " vrstic ki ustrezajo id="
                                                     + juce::String (id));
        if (db.getData() != nullptr)
            row = db.getData()->getChildByName ("ITEM");
    }
    const bool inserting = row == nullptr;
    if (inserting)
    {
        db.sqlQuery ("SELECT * FROM analiza WHERE 0");
        if (db.getData() != nullptr)
            row = db.getData()->createNewChildElement ("ITEM");
    }
    if (row == nullptr)
    {
        vindoro::vlog ("analiza::storeToDB", "ERROR - ne morem ustvariti elementa v bazi");
        return false;
    }

    row->setAttribute ("id", id);
    row->setAttribute ("glavna", glavna);
    for (const auto& m : analizaMeasures())
    {
        row->setAttribute (m.name, formatDecimalPoint (measure (m.name), m.decimals));
        if (auto* u = unit (m.name))
            row->setAttribute (m.unitName(), *u);
    }
    row->setAttribute ("drugo", drugo);
    row->setAttribute ("ocena", formatDecimalPoint (ocena, 2));
    row->setAttribute ("odlocba", odlocba);
    row->setAttribute ("datumodlocba", datumodlocba);
    row->setAttribute ("active", active ? 1 : 0);

    int saved = 0;
    if (inserting)
    {
        SqlitetoXml::setInserted (row);
        saved = db.saveInserted ("id", false);
        if (saved > 0)
            id = row->getIntAttribute ("id", 0);
    }
    else
    {
        SqlitetoXml::setModified (row);
        saved = db.saveModified ("id");
    }
    if (saved <= 0)
        vindoro::vlog ("analiza::storeToDB", "ERROR: " + db.lastError);
    return saved > 0;
}
