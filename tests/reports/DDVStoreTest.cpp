// Storing a rate from the editor: the checks in their order before anything is written, the rate
// read with a decimal comma or point and never cut, quotes kept, and failed statements reported.
#include "reports/DDVStore.h"
#include "reports/DDVTestParts.h"

using namespace ddvtest;

namespace
{
DDVRecord rate (const juce::String& opis, int tip, int id = -1)
{
    DDVRecord r;
    r.id = id;
    r.opis = opis;
    r.tip = tip;
    return r;
}
} // namespace

TEST_F (RatesDatabase, TypedRateIsReadWhollyOrNotAtAll)
{
    struct Case { const char* typed; std::optional<double> read; };
    const Case cases[] = {
        { "9,5", 9.5 }, { "9.5", 9.5 }, { " 22 ", 22.0 }, { "0", 0.0 }, { "22,0", 22.0 }, { ",5", 0.5 }, { "8,", 8.0 },
        { "-1", -1.0 }, { "100", 100.0 },
        { "9,5x", std::nullopt }, { "", std::nullopt }, { "   ", std::nullopt }, { "x", std::nullopt },
        { "1.000,5", std::nullopt }, { "9,5,1", std::nullopt }, { "-", std::nullopt }, { ",", std::nullopt },
        { "1e3", std::nullopt }, { "--1", std::nullopt }, { "9 5", std::nullopt },
    };
    for (const auto& c : cases)
    {
        const auto read = DDVStore::readStopnja (c.typed);
        EXPECT_EQ (read.has_value(), c.read.has_value()) << "'" << c.typed << "'";
        if (read && c.read)
            EXPECT_DOUBLE_EQ (*read, *c.read) << "'" << c.typed << "'";
    }

    useLanguage ("english.txt");   // a point separator: the comma is no decimal mark there
    EXPECT_DOUBLE_EQ (DDVStore::readStopnja ("9.5").value_or (-1), 9.5);
    EXPECT_FALSE (DDVStore::readStopnja ("9,5").has_value());
}

TEST_F (RatesDatabase, RateIsWrittenInItsShortestForm)
{
    struct Case { double rate; const char* text; };
    for (const Case& c : { Case { 22.0, "22" }, Case { 9.5, "9.5" }, Case { 0.0, "0" }, Case { 8.123456789, "8.12346" },
                           Case { 100.0, "100" } })
        EXPECT_EQ (DDVStore::stopnjaSqlText (c.rate), c.text) << c.rate;
}

TEST_F (RatesDatabase, RefusalsComeInTheirOrderAndWriteNothing)
{
    const auto before = peek ("SELECT COUNT(*) || '/' || TOTAL(stopnja) || '/' || GROUP_CONCAT(opis) FROM ddv");

    struct Case { const char* opis; const char* typed; int tip; const char* message; };
    const Case cases[] = {
        { "", "22", 1, "Stopnja DDV nima opisa" },
        { "", "abc", 0, "Stopnja DDV nima opisa" },            // the description is checked first
        { "x", "-1", 1, "Stopnja DDV je napačna" },
        { "x", "9,5x", 1, "Stopnja DDV je napačna" },
        { "x", "", 1, "Stopnja DDV je napačna" },
        { "x", "abc", 0, "Stopnja DDV je napačna" },           // then the rate
        { "x", "22", 0, "Tip stopnje DDV je napačen" },
        { "x", "22", 7, "Tip stopnje DDV je napačen" },         // exempt rows cannot be saved as they are
        { "x", "22", -3, "Tip stopnje DDV je napačen" },
    };
    for (bool create : { true, false })
        for (const auto& c : cases)
        {
            auto record = rate (c.opis, c.tip, create ? -1 : 7);
            EXPECT_EQ (DDVStore::save (record, c.typed, create), juce::String::fromUTF8 (c.message))
                << "'" << c.opis << "' '" << c.typed << "' " << c.tip << (create ? " insert" : " update");
            EXPECT_EQ (record.id, create ? -1 : 7);
        }
    EXPECT_EQ (peek ("SELECT COUNT(*) || '/' || TOTAL(stopnja) || '/' || GROUP_CONCAT(opis) FROM ddv"), before);
}

TEST_F (RatesDatabase, InsertStoresTheRateAsTypedAndGivesTheRecordItsNewId)
{
    const auto highest = peek ("SELECT MAX(id) FROM ddv").getIntValue();
    vtest::LogCapture log;

    struct Case { const char* opis; const char* typed; int tip; double stored; };
    for (const Case& c : { Case { "Dobava 'EU'", "9,5", 2, 9.5 }, Case { "   ", "0", 6, 0.0 },   // blanks are a description
                           Case { "Splošna", "22", 1, 22.0 }, Case { "Točka", "8.5", 3, 8.5 } })
    {
        auto record = rate (juce::String::fromUTF8 (c.opis), c.tip);
        ASSERT_EQ (DDVStore::save (record, c.typed, true), "") << c.opis;
        EXPECT_GT (record.id, highest);
        const auto where = " FROM ddv WHERE id=" + juce::String (record.id);
        EXPECT_EQ (peek ("SELECT opis" + where), juce::String::fromUTF8 (c.opis));
        EXPECT_DOUBLE_EQ (peek ("SELECT stopnja" + where).getDoubleValue(), c.stored) << c.typed;
        EXPECT_EQ (peek ("SELECT typeof(stopnja) || typeof(tip) || active" + where), "realinteger1");
        EXPECT_EQ (peek ("SELECT tip" + where).getIntValue(), c.tip);
    }
    EXPECT_TRUE (log.contains ("INSERT INTO ddv(opis,tip,stopnja,active) VALUES('Dobava ''EU''','2','9.5','1')"));
}

TEST_F (RatesDatabase, UpdateChangesTheRowByIdAndReactivatesIt)
{
    ASSERT_EQ (peek ("SELECT active FROM ddv WHERE id=9"), "0");
    auto record = rate ("Nizja 'nova'", 2, 9);
    ASSERT_EQ (DDVStore::save (record, "9,5", false), "");
    EXPECT_EQ (peek ("SELECT opis || '|' || stopnja || '|' || tip || '|' || active FROM ddv WHERE id=9"), "Nizja 'nova'|9.5|2|1");
    EXPECT_EQ (record.id, 9);

    const auto others = peek ("SELECT GROUP_CONCAT(opis || stopnja || tip || active) FROM ddv WHERE id<>9");
    auto missing = rate ("Nobena", 1, 4711);
    EXPECT_EQ (DDVStore::save (missing, "22", false),
               juce::String::fromUTF8 ("Napaka pri spreminjanju stopnje DDV z opisom Nobena"));
    EXPECT_EQ (peek ("SELECT GROUP_CONCAT(opis || stopnja || tip || active) FROM ddv WHERE id<>9"), others);
}

TEST_F (RatesDatabase, FailedStatementsAreReportedWithTheDescription)
{
    SQLtoXml q;
    ASSERT_TRUE (q.sqlQueryNA ("CREATE TRIGGER ddv_refuse_insert BEFORE INSERT ON ddv BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    ASSERT_TRUE (q.sqlQueryNA ("CREATE TRIGGER ddv_refuse_update BEFORE UPDATE ON ddv BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    const auto count = peek ("SELECT COUNT(*) FROM ddv");

    auto added = rate ("Nova", 1);
    EXPECT_EQ (DDVStore::save (added, "22", true), juce::String::fromUTF8 ("Napaka pri dodajanju stopnje DDV z opisom Nova"));
    EXPECT_EQ (added.id, -1);
    auto changed = rate ("Spremenjena", 1, 7);
    EXPECT_EQ (DDVStore::save (changed, "20", false),
               juce::String::fromUTF8 ("Napaka pri spreminjanju stopnje DDV z opisom Spremenjena"));
    EXPECT_EQ (peek ("SELECT COUNT(*) FROM ddv"), count);
    EXPECT_EQ (peek ("SELECT opis || stopnja FROM ddv WHERE id=7"), juce::String::fromUTF8 ("Splošna stopnja22.0"));
}
