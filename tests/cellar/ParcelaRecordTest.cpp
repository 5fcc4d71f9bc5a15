// The parcel register without a window: the record a register row or no row gives, the checks
// of a save in their order, and what an insert or an edit leaves in the file.
#include "cellar/ParcelaRecord.h"
#include "db/SQLtoXml.h"
#include "support/FaultInjection.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace
{
class ParcelaStore : public ::testing::Test
{
protected:
    void SetUp() override
    {
        juce::LocalisedStrings::setCurrentMappings (
            new juce::LocalisedStrings (vtest::resourcesFolder().getChildFile ("slovensko.txt"), true));
        ASSERT_TRUE (vtest::execOn (db.file(), "INSERT INTO stranka(id,ime,naselje,drzava,tipstranke,active) VALUES"
                                               " (7,'Vinogradnik Breg','Kog',185,2,1),(8,'Drugi','Jeruzalem',185,2,1);"));
    }
    void TearDown() override { juce::LocalisedStrings::setCurrentMappings (nullptr); }

    ParcelaRecord typed (const juce::String& name, int grower, int country)
    {
        ParcelaRecord p = interpretParcelaXml (nullptr);
        p.ime = name;
        p.vinogradnik.id = grower;
        p.drzava.id = country;
        p.gerkpid = "123";
        return p;
    }

    juce::StringArray rows (const juce::String& sql) { return vtest::rowsOf (db.file(), sql); }

    vtest::FreshDatabase db;
};
} // namespace

TEST_F (ParcelaStore, NoRowGivesNoParcelInTheHomeCountry)
{
    const auto p = interpretParcelaXml (nullptr);
    EXPECT_EQ (p.id, -1);
    EXPECT_EQ (p.vinogradnik.id, -1);
    EXPECT_EQ (p.drzava.id, 185);
    EXPECT_EQ (p.drzava.ime, "Slovenija");
    EXPECT_TRUE (p.ime.isEmpty());
    EXPECT_TRUE (p.vinogradnik.ime.isEmpty());
    EXPECT_FALSE (p.active);
}

TEST_F (ParcelaStore, ARegisterRowBecomesTheWholeRecord)
{
    ASSERT_TRUE (vtest::execOn (db.file(), "INSERT INTO parcela(id,ime,vinogradnik,gerkpid,drzava,active) VALUES (5,'Breg',7,'G-1',92,1)"));
    SQLtoXml q;
    ASSERT_NE (q.sqlQuery (juce::String (parcelaSelectSql) + " AND parcela.id=5"), nullptr);
    const auto p = interpretParcelaXml (q.getData()->getChildElement (0));
    EXPECT_EQ (p.id, 5);
    EXPECT_EQ (p.ime, "Breg");
    EXPECT_EQ (p.vinogradnik.id, 7);
    EXPECT_EQ (p.vinogradnik.ime, "Vinogradnik Breg");
    EXPECT_EQ (p.vinogradnik.naslov, "Kog");   // the grower's settlement
    EXPECT_EQ (p.gerkpid, "G-1");
    EXPECT_EQ (p.drzava.id, 92);
    EXPECT_EQ (p.drzava.kratica, "HR");
    EXPECT_TRUE (p.drzava.eu);
    EXPECT_TRUE (p.active);

    auto other = p;
    EXPECT_EQ (other, p);
    other.drzava.eu = false;
    EXPECT_NE (other, p);
}

TEST_F (ParcelaStore, TheShippedPlaceholderIsNoListedParcelButJoinsGiveItsName)
{
    EXPECT_EQ (rows ("SELECT id,ime,vinogradnik,drzava,active FROM parcela"), juce::StringArray ({ "1|-|1|185|0" }));
    SQLtoXml q;
    q.sqlQuery (parcelaSelectSql);
    EXPECT_EQ (q.getNumRows(), 0);
}

TEST_F (ParcelaStore, ChecksRunNameGrowerCountryInThatOrderAndWriteNothing)
{
    struct Case { const char* name; int grower; int country; const char* key; } cases[] = {
        { "", 0, 0, "Parcela nima imena" },
        { "", 7, 185, "Parcela nima imena" },
        { "Breg", 0, 0, "Vinogradnik ni dolocen" },
        { "Breg", -1, 185, "Vinogradnik ni dolocen" },
        { "Breg", 7, 0, "Drzava ni dolocena" },
        { "Breg", 7, -1, "Drzava ni dolocena" },
    };
    for (const auto& c : cases)
        for (bool insert : { true, false })
        {
            auto p = typed (c.name, c.grower, c.country);
            p.id = 1;
            juce::String error;
            EXPECT_FALSE (saveParcela (p, insert, error)) << c.key;
            EXPECT_EQ (error, TRANS (c.key));
        }
    EXPECT_EQ (rows ("SELECT id,ime,active FROM parcela"), juce::StringArray ({ "1|-|0" }));
}

TEST_F (ParcelaStore, AnInsertStoresQuotesOnceAndGivesTheNewId)
{
    auto p = typed ("Breg 'Pod lipo'", 7, 185);
    p.gerkpid = "O'G";
    juce::String error;
    ASSERT_TRUE (saveParcela (p, true, error)) << error;
    EXPECT_GT (p.id, 1);
    EXPECT_TRUE (p.active);
    EXPECT_EQ (rows ("SELECT ime,vinogradnik,gerkpid,drzava,active FROM parcela WHERE id=" + juce::String (p.id)),
               juce::StringArray ({ "Breg 'Pod lipo'|7|O'G|185|1" }));
}

TEST_F (ParcelaStore, AnEditRewritesTheRowAndMakesItActiveAgain)
{
    ASSERT_TRUE (vtest::execOn (db.file(), "INSERT INTO parcela(id,ime,vinogradnik,gerkpid,drzava,active) VALUES (5,'Breg',7,'',185,0),"
                                           "(6,'Ostane',7,'',185,1)"));
    auto p = typed ("Zidanca d'Oro", 8, 92);
    p.id = 5;
    juce::String error;
    ASSERT_TRUE (saveParcela (p, false, error)) << error;
    EXPECT_EQ (rows ("SELECT id,ime,vinogradnik,gerkpid,drzava,active FROM parcela WHERE id>1 ORDER BY id"),
               juce::StringArray ({ "5|Zidanca d'Oro|8|123|92|1", "6|Ostane|7||185|1" }));
}

TEST_F (ParcelaStore, AFailedStatementNamesTheParcel)
{
    vtest::FaultInjection faults (db.file(), { "parcela" });
    faults.failWrite (1);
    for (bool insert : { true, false })
    {
        auto p = typed ("Breg", 7, 185);
        p.id = 1;
        juce::String error;
        EXPECT_FALSE (saveParcela (p, insert, error));
        EXPECT_EQ (error, TRANS ("Napaka pri spreminjanju parcele z imenom ") + "Breg");
        faults.failWrite (1);
    }
    EXPECT_EQ (rows ("SELECT id,ime,active FROM parcela"), juce::StringArray ({ "1|-|0" }));
}
