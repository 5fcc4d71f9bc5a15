#include "operations/TreatmentRecords.h"
#include "core/Globals.h"
#include "core/Log.h"
#include "core/TextHelpers.h"
#include "db/SQLtoXml.h"

const std::array<TreatmentKind, 9>& treatmentKinds()
{
    static const std::array<TreatmentKind, 9> kinds { {
        { Treatment::sladkanje, "sladkanje", 2, 1, 1, true, 0 },
        { Treatment::ciscenje, "ciscenje", 3, 2, 2, true, 0 },
        { Treatment::kvasovke, "kvasovke", 4, 4, 3, true, 0 },
        { Treatment::encimi, "encimi", 5, 8, 4, true, 0 },
        { Treatment::zascita, "zascita", 7, 16, 5, true, 0 },
        { Treatment::filtracija, "filtracija", 8, 32, 6, false, 200 },
        { Treatment::korekcija, "korekcija", 9, 64, 7, true, 0 },
        { Treatment::stabilizacija, "stabilizacija", 10, 128, 8, true, 0 },
        { Treatment::maceracija, "maceracija", 28, 256, 9, true, 2000 },
    } };
    return kinds;
}

const TreatmentKind& kindOf (Treatment treatment)
{
    return treatmentKinds()[(size_t) treatment];
}

juce::String TreatmentKind::rowKey (const char* field) const { return juce::String (table) + "_" + field; }
juce::String TreatmentKind::unitSettingKey() const { return juce::String (table) + ":e_kolicina"; }
juce::String TreatmentKind::failureKey() const { return juce::String (table) + "_napakainsert"; }

//==============================================================================
TreatmentValues::TreatmentValues (Treatment t) : treatment (t)
{
    kolicina = juce::String();
    opis = juce::String();
}

TreatmentValues::~TreatmentValues() = default;

void TreatmentValues::loadUnits()
{
    if (! kind().hasAmount)
        return;
    auto* app = getAppProperties();
    e_kolicina = app != nullptr ? app->getUserSettings()->getIntValue (kind().unitSettingKey(), 0) : 0;
}

void TreatmentValues::saveUnits() const
{
    if (! kind().hasAmount)
        return;
    if (auto* app = getAppProperties())
        app->getUserSettings()->setValue (kind().unitSettingKey(), (int) e_kolicina.getValue());
}

juce::String TreatmentValues::checkNumbers() const
{
    if (kind().hasAmount && ! isDecimalText (kolicina.toString()))
        return TRANS ("vrednost ni stevilo: ") + juce::translate (kind().rowKey ("kolicina"));
    return {};
}

//==============================================================================
TreatmentRow::TreatmentRow (Treatment t) : treatment (t) {}

TreatmentRow::~TreatmentRow() = default;

void TreatmentRow::fillFrom (const TreatmentValues& values, int agent, double litres, int entry)
{
    if (kind().hasAmount)
    {
        kolicina = parseDecimal2 (values.kolicina.toString());
        e_kolicina = (double) values.e_kolicina.getValue();
    }
    if (kind().remarkChars > 0)
        opis = values.opis.toString();
    id = 0;
    glavna = entry;
    sredstvo = agent;
    volumen = litres;
    active = true;
}

bool TreatmentRow::storeToDB()
{
    const juce::String table (kind().table);
    const auto method = table + "::storeToDB";
    SQLtoXml db;
    juce::XmlElement* row = nullptr;
    if (id > 0)
    {
        db.sqlQuery ("SELECT * FROM " + table + " WHERE id=" + juce::String (id));
        if (db.getNumRows() >= 2)
            vindoro::vlog (method, "WARNING - dobilo " + juce::String (db.getNumRows()) + " vrstic ki ustrezajo id="
                                       + juce::String (id));
        if (db.getData() != nullptr)
            row = db.getData()->getChildByName ("ITEM");
    }
    const bool inserting = row == nullptr;
    if (inserting)
    {
        // No rows, but the columns that tell the save which table it writes.
        db.sqlQuery ("SELECT * FROM " + table + " WHERE 0");
        if (db.getData() != nullptr)
            row = db.getData()->createNewChildElement ("ITEM");
    }
    if (row == nullptr)
    {
        vindoro::vlog (method, "ERROR - ne morem ustvariti elementa v bazi");
        return false;
    }

    row->setAttribute ("id", id);
    row->setAttribute ("glavna", glavna);
    row->setAttribute ("sredstvo", sredstvo);
    if (kind().hasAmount)
    {
        row->setAttribute ("kolicina", formatDecimalPoint (kolicina, 2));
        row->setAttribute ("e_kolicina", e_kolicina);
    }
    if (kind().remarkChars > 0)
        row->setAttribute ("opis", opis);
    row->setAttribute ("volumen", volumen);
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
        vindoro::vlog (method, "ERROR: " + db.lastError);
    return saved > 0;
}
