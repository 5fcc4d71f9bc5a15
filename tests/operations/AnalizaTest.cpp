// Wine analyses without a window: what is stored for what was typed (or nothing), the measures
// cut to their decimals, the units remembered per measure, the browser's rows and filters, and a
// measure that is no number refused before anything is stored.
#include "db/SQLtoXml.h"
#include "operations/analiza.h"
#include "operations/gui/PregledBazeAnaliza.h"
#include "support/FaultInjection.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace
{
class Analyses : public ::testing::Test
{
protected:
    void SetUp() override
    {
        juce::LocalisedStrings::setCurrentMappings (
            new juce::LocalisedStrings (vtest::resourcesFolder().getChildFile ("slovensko.txt"), true));   // "decimalna_vejica" = ","
    }
    void TearDown() override { juce::LocalisedStrings::setCurrentMappings (nullptr); }
    juce::StringArray rows (const juce::String& sql) { return vtest::rowsOf (db.file(), sql); }
    juce::String count() { return rows ("SELECT count(*) FROM analiza")[0]; }
    vtest::FreshDatabase db;
};
} // namespace

TEST_F (Analyses, NothingEnteredStoresNoRow)
{
    AnalizaValues values;
    values.e_alkohol = 16;   // a remembered unit alone is nothing entered
    const auto stored = analiza::storeToDB (values, 1);
    EXPECT_EQ (stored.id, 0);
    EXPECT_EQ (count(), "0");
}

TEST_F (Analyses, ADecisionDateAloneStoresEveryMeasureAsZero)
{
    AnalizaValues values;
    values.datumodlocba = "2018-03-05";
    const auto stored = analiza::storeToDB (values, 1);
    ASSERT_GT (stored.id, 0);
    EXPECT_EQ (rows ("SELECT gostota,ekstrakt,alkohol,ph,ocena,drugo,odlocba,datumodlocba,glavna,active FROM analiza"),
               juce::StringArray ({ "0.0|0.0|0.0|0.0|0.0|||2018-03-05|1|1" }));
    EXPECT_EQ (stored.gostota, 0.0);
}

TEST_F (Analyses, MeasuresAreWrittenWithTheirOwnDecimals)
{
    vtest::LogCapture log;
    AnalizaValues values;
    values.gostota = "0,994567";
    values.ekstrakt = "23,45";
    values.alkohol = "12,999";
    auto stored = analiza::storeToDB (values, 1);
    ASSERT_GT (stored.id, 0);
    EXPECT_DOUBLE_EQ (stored.gostota, 0.9945);
    EXPECT_DOUBLE_EQ (stored.ekstrakt, 23.4);
    EXPECT_DOUBLE_EQ (stored.alkohol, 12.99);
    EXPECT_EQ (rows ("SELECT gostota,ekstrakt,alkohol,rsladkor FROM analiza"), juce::StringArray ({ "0.9945|23.4|12.99|0.0" }));
    EXPECT_TRUE (log.contains ("optional:true anyvalues:true"));
}

TEST_F (Analyses, OneMeasureWithTheCommaIsStoredWithTodaysDecisionDate)
{
    AnalizaValues values;
    values.alkohol = "12,78";
    values.e_alkohol = 16;
    values.drugo = "it's fine";
    const auto before = juce::Time::getCurrentTime().formatted ("%Y-%m-%d");
    const auto stored = analiza::storeToDB (values, 1);
    ASSERT_GT (stored.id, 0);
    const auto row = rows ("SELECT alkohol,e_alkohol,e_gostota,drugo,substr(datumodlocba,1,10),length(datumodlocba) FROM analiza");
    EXPECT_EQ (row, juce::StringArray (juce::Array<juce::String> { "12.78|16|0|it's fine|" + before + "|19" }));
}

TEST_F (Analyses, StoringAgainUpdatesTheRowAndAFailedInsertGivesMinusTwo)
{
    AnalizaValues values;
    values.ph = "3,4";
    auto stored = analiza::storeToDB (values, 1);
    const int id = stored.id;
    ASSERT_GT (id, 0);
    stored.ph = 3.5;
    ASSERT_TRUE (stored.storeToDB());
    EXPECT_EQ (stored.id, id);
    EXPECT_EQ (rows ("SELECT id,ph FROM analiza"), juce::StringArray (juce::Array<juce::String> { juce::String (id) + "|3.5" }));

    vtest::FaultInjection faults (db.file(), { "analiza" });
    faults.failWrite (1);
    EXPECT_EQ (analiza::storeToDB (values, 1).id, -2);
    EXPECT_EQ (count(), "1");
}

TEST_F (Analyses, UnitsAreRememberedPerMeasure)
{
    {
        AnalizaValues values;
        values.loadUnits();
        EXPECT_EQ ((int) values.e_gostota.getValue(), 0);
        values.e_gostota = 20;
        values.e_alkohol = 16;
        values.saveUnits();
    }
    auto& user = db.settings().user();
    EXPECT_EQ (user.getIntValue ("analiza:e_gostota"), 20);
    EXPECT_EQ (user.getIntValue ("analiza:e_alkohol"), 16);
    EXPECT_FALSE (user.containsKey ("analiza:e_ph"));
    AnalizaValues again;
    again.loadUnits();
    EXPECT_EQ ((int) again.e_gostota.getValue(), 20);
    EXPECT_EQ ((int) again.e_alkohol.getValue(), 16);
    EXPECT_EQ ((int) again.e_pepel.getValue(), 0);
}

TEST_F (Analyses, AMeasureThatIsNoNumberIsNamedByItsRow)
{
    AnalizaValues values;
    values.alkohol = "12,7";
    EXPECT_TRUE (values.checkNumbers().isEmpty());
    values.ekstrakt = "abc";
    values.pepel = "12,7x";
    EXPECT_EQ (values.checkNumbers(), TRANS ("vrednost ni stevilo: ") + TRANS ("analiza_ekstrakt"));
    values.ekstrakt = "";
    EXPECT_EQ (values.checkNumbers(), TRANS ("vrednost ni stevilo: ") + TRANS ("analiza_pepel"));
    values.pepel = "1";
    values.ocena = "dobro";
    EXPECT_EQ (values.checkNumbers(), TRANS ("vrednost ni stevilo: ") + TRANS ("analiza_ocena"));
    values.ocena = "";
    values.drugo = "abc";   // a free note is no measure
    EXPECT_TRUE (values.checkNumbers().isEmpty());
}

TEST_F (Analyses, TheBrowserListsNewestFirstFiltersByDecisionAndLeavesUnknownUnitsEmpty)
{
    ASSERT_TRUE (vtest::execOn (db.file(),
        "INSERT INTO klet(id,ime) VALUES (1,'Klet');"
        "INSERT INTO posoda(id,klet,volumen,oznaka) VALUES (5,1,1000,'A');"
        "INSERT INTO vino(id,letnik,sorta) VALUES (7,2016,1);"
        "INSERT INTO glavna(id,opravilo,datum,dt,stranka,host) VALUES (10,6,'2018-04-01 10:00:00','2018-04-01 10:00:00',1,1);"
        "INSERT INTO pretok(glavna,posoda,vino,smer,volumen) VALUES (10,5,7,1,100);"
        "INSERT INTO analiza(id,glavna,alkohol,e_alkohol,gostota,e_gostota,ph,odlocba,active) VALUES"
        " (1,10,12.5,16,0.99,0,3.4,'Odlocba 2018/1',1),(2,10,11,16,1,20,3,'O''Hara 2017',1),(3,10,10,16,1,20,3,'2018 staro',0)"));
    PregledBazeAnaliza all;
    ASSERT_EQ (all.getNumRows(), 2);
    const auto* first = all.rowAt (0);
    const auto* second = all.rowAt (1);
    ASSERT_NE (first, nullptr);
    EXPECT_EQ (first->getStringAttribute ("id"), "2");
    EXPECT_EQ (second->getStringAttribute ("alkohol"), "12.5 vol %");
    juce::Justification just (0);
    EXPECT_EQ (all.getTextForCell (second, "gostota", just), "");   // unit 0 names no unit: the cell stays empty
    EXPECT_EQ (all.getTextForCell (second, "alkohol", just), "12.5 vol %");
    EXPECT_EQ (all.getTextForCell (second, "ph", just), "3,40");
    EXPECT_EQ (second->getStringAttribute ("posoda"), "A(Klet)");
    EXPECT_EQ (second->getStringAttribute ("vino"), "Belo");
    EXPECT_EQ (second->getStringAttribute ("datum"), "2018-04-01 10:00:00");

    PregledBazeAnaliza year ("2018");
    ASSERT_EQ (year.getNumRows(), 1);
    EXPECT_EQ (year.getData()->getChildElement (0)->getStringAttribute ("id"), "1");
    PregledBazeAnaliza quoted ("O'Hara");
    ASSERT_EQ (quoted.getNumRows(), 1);
    EXPECT_EQ (quoted.getData()->getChildElement (0)->getStringAttribute ("id"), "2");
}
