// Countries: the record read from a row, the register query, and storing a typed country
// (refusals before any write, quotes kept, a failing statement reported with its name).
#include "partners/DrzavaRecord.h"
#include "partners/PartnersDb.h"

using ptest::utf8;

namespace
{
class Countries : public ptest::PartnersDb
{
protected:
    static juce::String count() { return value ("SELECT count(*) FROM drzava"); }
};
} // namespace

TEST (DrzavaRow, FieldsAndTheEmptyRecord)
{
    juce::XmlElement row ("ITEM");
    row.setAttribute ("id", "185");
    row.setAttribute ("ime", "SLOVENIJA");
    row.setAttribute ("kratica", "SI");
    row.setAttribute ("eu", "1");
    row.setAttribute ("active", "1");
    const auto country = interpretDrzavaXml (&row);
    EXPECT_EQ (country, (DrzavaRecord { 185, "SI", "SLOVENIJA", true, true }));
    EXPECT_NE (country, (DrzavaRecord { 185, "si", "SLOVENIJA", true, true }));
    EXPECT_NE (country, (DrzavaRecord { 185, "SI", "SLOVENIJA", false, true }));

    const auto empty = interpretDrzavaXml (nullptr);
    EXPECT_EQ (empty, DrzavaRecord());
    EXPECT_EQ (empty.id, -1);
    juce::XmlElement bare ("ITEM");
    EXPECT_EQ (interpretDrzavaXml (&bare), (DrzavaRecord { 0, "", "", false, false }));
}

TEST_F (Countries, EveryMemberOfTheUnionShipsAsAnEuCountry)
{
    const auto members = juce::StringArray::fromTokens ("AT BE BG CY CZ DE DK EE ES FI FR GR HR HU IE IT LT LU LV MT NL PL PT RO SE SI SK", " ", "");
    for (auto& code : members)
        EXPECT_EQ (value ("SELECT eu FROM drzava WHERE active=1 AND kratica='" + code + "'"), "1") << code;
    SQLtoXml q;
    ASSERT_NE (q.sqlQuery (drzavaSelectSql), nullptr);
    EXPECT_EQ (q.getNumRows(), 30);   // the stale country of the fixture is switched off
}

TEST_F (Countries, InsertKeepsQuotesAndGivesTheNewId)
{
    DrzavaRecord country { -1, "CI", utf8 ("SLONOKOŠČENA OBALA (CÔTE D'IVOIRE)"), false, false };
    juce::String error;
    ASSERT_TRUE (saveDrzava (country, true, error)) << error;
    EXPECT_GT (country.id, 900);
    EXPECT_EQ (value ("SELECT ime || '|' || kratica || '|' || eu || '|' || active FROM drzava WHERE id=" + juce::String (country.id)),
               utf8 ("SLONOKOŠČENA OBALA (CÔTE D'IVOIRE)|CI|0|1"));
}

TEST_F (Countries, UpdateRewritesAndSwitchesOn)
{
    DrzavaRecord country { 900, "SD", utf8 ("STARA DEŽELA"), true, false };
    juce::String error;
    ASSERT_TRUE (saveDrzava (country, false, error)) << error;
    EXPECT_EQ (value ("SELECT ime || '|' || kratica || '|' || eu || '|' || active FROM drzava WHERE id=900"), utf8 ("STARA DEŽELA|SD|1|1"));
}

TEST_F (Countries, RefusalsWriteNothing)
{
    vtest::LogCapture log;
    const auto before = count();
    struct Case { DrzavaRecord country; bool insert; const char* error; const char* logged; };
    const Case cases[] = {
        { { -1, "XX", "", false, false }, true, "drzava nima imena", "Empty Drzava opis!" },
        { { -1, "", "NOVA", false, false }, true, "drzava nima kratice", "Empty Drzava kratica!" },
        { { 185, "", "SLOVENIJA", true, true }, false, "drzava nima kratice", "Empty Drzava kratica!" },
    };
    for (auto c : cases)
    {
        juce::String error;
        EXPECT_FALSE (saveDrzava (c.country, c.insert, error));
        EXPECT_EQ (error, c.error);
        EXPECT_TRUE (log.contains ("<DrzavaEditor::save> " + juce::String (c.logged)));
    }
    EXPECT_EQ (count(), before);
    EXPECT_EQ (value ("SELECT kratica FROM drzava WHERE id=185"), "SI");
}

TEST_F (Countries, AFailingStatementNamesTheCountry)
{
    run ("CREATE TRIGGER zaklep_ins BEFORE INSERT ON drzava BEGIN SELECT RAISE(ABORT,'zaklenjeno'); END");
    run ("CREATE TRIGGER zaklep_upd BEFORE UPDATE ON drzava BEGIN SELECT RAISE(ABORT,'zaklenjeno'); END");
    juce::String error;
    DrzavaRecord added { -1, "NV", "NOVA", false, false };
    EXPECT_FALSE (saveDrzava (added, true, error));
    EXPECT_EQ (error, "Napaka pri dodajanju drzave z imenom NOVA");
    EXPECT_EQ (added.id, -1);
    DrzavaRecord changed { 185, "SI", "SLO", true, true };
    EXPECT_FALSE (saveDrzava (changed, false, error));
    EXPECT_EQ (error, "Napaka pri spreminjanju drzave z imenom SLO");
    EXPECT_EQ (value ("SELECT ime FROM drzava WHERE id=185"), "SLOVENIJA");
}
