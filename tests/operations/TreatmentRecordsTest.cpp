// The nine treatment kinds: a row inserted, stored again, or stored under an id nobody has; the
// amount read as typed; the unit remembered per kind; a failing INSERT; and an amount that is no
// number refused before anything is stored.
#include "core/TextHelpers.h"
#include "db/SQLtoXml.h"
#include "operations/TreatmentRecords.h"
#include "support/FaultInjection.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace
{
class Treatments : public ::testing::Test
{
protected:
    void SetUp() override
    {
        juce::LocalisedStrings::setCurrentMappings (
            new juce::LocalisedStrings (vtest::resourcesFolder().getChildFile ("slovensko.txt"), true));   // "decimalna_vejica" = ","
        ASSERT_TRUE (vtest::execOn (db.file(), "INSERT INTO sredstvo(id,oznaka,opis,tip,active) VALUES (3,'Bentonit','',511,1)"));
    }
    void TearDown() override { juce::LocalisedStrings::setCurrentMappings (nullptr); }
    juce::StringArray rows (const juce::String& sql) { return vtest::rowsOf (db.file(), sql); }
    vtest::FreshDatabase db;
};
} // namespace

TEST (TreatmentKinds, TheTableOfKindsNamesEachKindsTableTypeBitAndSlot)
{
    juce::StringArray seen;
    for (const auto& k : treatmentKinds())
        seen.add (juce::String (k.table) + ":" + juce::String (k.operationType) + ":" + juce::String (k.agentBit) + ":"
                  + juce::String (k.slot) + ":" + (k.hasAmount ? "a" : "-") + juce::String (k.remarkChars));
    EXPECT_EQ (seen, juce::StringArray ({ "sladkanje:2:1:1:a0", "ciscenje:3:2:2:a0", "kvasovke:4:4:3:a0", "encimi:5:8:4:a0",
                                          "zascita:7:16:5:a0", "filtracija:8:32:6:-200", "korekcija:9:64:7:a0",
                                          "stabilizacija:10:128:8:a0", "maceracija:28:256:9:a2000" }));
    EXPECT_EQ (kindOf (Treatment::maceracija).failureKey(), "maceracija_napakainsert");
    EXPECT_EQ (kindOf (Treatment::zascita).unitSettingKey(), "zascita:e_kolicina");
}

TEST_F (Treatments, ANewRowIsInsertedThenUpdatedInPlace)
{
    maceracija row;
    row.glavna = 1;
    row.sredstvo = 3;
    row.kolicina = 2.5;
    row.e_kolicina = 10;
    row.opis = "it's fine";
    row.volumen = 225.5;
    ASSERT_TRUE (row.storeToDB());
    const int id = row.id;
    EXPECT_GT (id, 0);
    EXPECT_EQ (rows ("SELECT glavna,sredstvo,kolicina,e_kolicina,opis,volumen,active FROM maceracija"),
               juce::StringArray ({ "1|3|2.5|10|it's fine|225.5|1" }));

    row.kolicina = 3.0;
    row.opis = "drugo";
    ASSERT_TRUE (row.storeToDB());
    EXPECT_EQ (row.id, id);
    EXPECT_EQ (rows ("SELECT id,kolicina,opis FROM maceracija"), juce::StringArray (juce::Array<juce::String> { juce::String (id) + "|3.0|drugo" }));
}

TEST_F (Treatments, AnIdNobodyHasGivesANewRowWithANewId)
{
    ASSERT_TRUE (vtest::execOn (db.file(), "INSERT INTO zascita(id,glavna,sredstvo,kolicina,e_kolicina,volumen,active) VALUES (4,1,3,1,1,1,1)"));
    zascita row;
    row.id = 77;
    row.glavna = 1;
    row.sredstvo = 3;
    ASSERT_TRUE (row.storeToDB());
    EXPECT_NE (row.id, 77);
    EXPECT_GT (row.id, 4);
    EXPECT_EQ (rows ("SELECT id FROM zascita ORDER BY id").joinIntoString (","), "4," + juce::String (row.id));
}

TEST_F (Treatments, TheHolderIsReadAsTypedAndAnEmptyAmountStillStoresARow)
{
    struct Case { const char* typed; const char* stored; } cases[] = { { "1,257", "1.25" }, { "", "0.0" }, { "12", "12.0" },
                                                                       { "-0,129", "-0.12" } };
    for (const auto& c : cases)
    {
        KvasovkeValues values;
        values.kolicina = c.typed;
        values.e_kolicina = 11;
        const auto stored = kvasovke::storeToDB (values, 3, 100.0, 1);
        ASSERT_GT (stored.id, 0) << c.typed;
        EXPECT_EQ (stored.sredstvo, 3);
        EXPECT_EQ (rows ("SELECT kolicina,e_kolicina,volumen,glavna FROM kvasovke WHERE id=" + juce::String (stored.id)),
                   juce::StringArray (juce::Array<juce::String> { juce::String (c.stored) + "|11|100.0|1" })) << c.typed;
    }
}

TEST_F (Treatments, FiltrationStoresItsRemarkWithoutAmountOrUnit)
{
    FiltracijaValues values;
    values.kolicina = "5";   // no row shows it; it must not reach the table
    values.opis = "Sterilna";
    const auto stored = filtracija::storeToDB (values, 3, 50.0, 1);
    ASSERT_GT (stored.id, 0);
    EXPECT_EQ (rows ("SELECT glavna,sredstvo,opis,volumen,active FROM filtracija"), juce::StringArray ({ "1|3|Sterilna|50.0|1" }));

    values.saveUnits();
    EXPECT_FALSE (db.settings().user().containsKey ("filtracija:e_kolicina"));
}

TEST_F (Treatments, UnitsAreRememberedPerKind)
{
    {
        SladkanjeValues values;
        values.loadUnits();
        EXPECT_EQ ((int) values.e_kolicina.getValue(), 0);   // no setting yet
        const auto stored = sladkanje::storeToDB (values, 3, 1.0, 1);
        EXPECT_EQ (rows ("SELECT e_kolicina FROM sladkanje WHERE id=" + juce::String (stored.id)), juce::StringArray ({ "0" }));
        values.e_kolicina = 12;
        values.saveUnits();
    }
    SladkanjeValues again;
    again.loadUnits();
    EXPECT_EQ ((int) again.e_kolicina.getValue(), 12);
    EncimiValues other;
    other.loadUnits();
    EXPECT_EQ ((int) other.e_kolicina.getValue(), 0);
    EXPECT_EQ (db.settings().user().getIntValue ("sladkanje:e_kolicina"), 12);
}

TEST_F (Treatments, AFailingInsertGivesMinusTwoWithTheHolderFieldsKept)
{
    vtest::FaultInjection faults (db.file(), { "stabilizacija" });
    faults.failWrite (1);
    StabilizacijaValues values;
    values.kolicina = "2,5";
    values.e_kolicina = 13;
    const auto stored = stabilizacija::storeToDB (values, 3, 80.0, 1);
    EXPECT_EQ (stored.id, -2);
    EXPECT_DOUBLE_EQ (stored.kolicina, 2.5);
    EXPECT_DOUBLE_EQ (stored.e_kolicina, 13.0);
    EXPECT_EQ (stored.sredstvo, 3);
    EXPECT_DOUBLE_EQ (stored.volumen, 80.0);
    EXPECT_EQ (rows ("SELECT count(*) FROM stabilizacija"), juce::StringArray ({ "0" }));
}

TEST_F (Treatments, AnAmountThatIsNoNumberIsNamedByItsRow)
{
    struct Case { const char* typed; bool number; } cases[] = { { "abc", false }, { "12,7x", false }, { "1,2,3", false },
                                                                 { "", true }, { " 12,7 ", true }, { "-3", true }, { "12", true },
                                                                 { ",", false }, { "12.5", true } };
    for (const auto& c : cases)
    {
        KorekcijaValues values;
        values.kolicina = c.typed;
        const auto why = values.checkNumbers();
        if (c.number)
            EXPECT_TRUE (why.isEmpty()) << c.typed << ": " << why;
        else
            EXPECT_EQ (why, TRANS ("vrednost ni stevilo: ") + TRANS ("korekcija_kolicina")) << c.typed;
    }
    FiltracijaValues remarkOnly;
    remarkOnly.kolicina = "abc";
    EXPECT_TRUE (remarkOnly.checkNumbers().isEmpty());
}
