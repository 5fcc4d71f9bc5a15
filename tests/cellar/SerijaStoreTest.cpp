// The batch register without a window: which save the dialog's values lead to (new, revived,
// refused twin), the edit's rewrite, the batch text, the field-by-field compare, and the
// composition rows bottling adds to, with a failing insert injected by a trigger.
#include "cellar/SerijaFixture.h"
#include "db/DbTransaction.h"

using celltest::SerijaFixture;

namespace
{
SerijaRecord values (const juce::String& oznaka, int letnik, int sorta, int model, int kvaliteta, double stevilo = 0)
{
    auto r = SerijaStore::empty();
    r.oznaka = oznaka;
    r.letnik = letnik;
    r.sorta.id = sorta;
    r.model.id = model;
    r.kvalitetaid = kvaliteta;
    r.stevilo = stevilo;
    return r;
}
} // namespace

class SerijaStoreTest : public SerijaFixture
{
};

TEST_F (SerijaStoreTest, TheFiveValuesDecideBetweenNewRevivedAndRefused)
{
    struct Case
    {
        const char* name;
        int existingActive;      // the stored batch 12 "A" 2017 Sauvignon Bordo grade 2, 500 bottles
        int kvaliteta;           // the dialog's grade
        SerijaStore::Saved expected;
        bool sameRow;
    };
    const Case cases[] = {
        { "removed twin is listed again", 0, 2, SerijaStore::Saved::revived, true },
        { "listed twin is refused", 1, 2, SerijaStore::Saved::twin, true },
        { "another grade is another batch", 1, 3, SerijaStore::Saved::inserted, false },
        { "another grade of a removed batch too", 0, 3, SerijaStore::Saved::inserted, false },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        ASSERT_TRUE (exec ("DELETE FROM serija"));
        addSerija (12, "A", 2017, 3, 2, 2, 500, c.existingActive, "2018-05-06 07:08:09");
        auto r = values ("A", 2017, 3, 2, c.kvaliteta, 40);
        EXPECT_EQ (SerijaStore::saveNew (r), c.expected);
        if (c.expected == SerijaStore::Saved::twin)
        {
            EXPECT_EQ (value ("SELECT count(*) FROM serija"), "1");
            continue;
        }
        EXPECT_EQ (r.id == 12, c.sameRow);
        EXPECT_EQ (value ("SELECT count(*) FROM serija"), c.sameRow ? "1" : "2");
        // A revived batch keeps its own count and date; a new one gets the dialog's count and now.
        EXPECT_EQ (value ("SELECT stevilo||'/'||active FROM serija WHERE id=" + juce::String (r.id)), c.sameRow ? "500/1" : "40/1");
        const auto datum = value ("SELECT datum FROM serija WHERE id=" + juce::String (r.id));
        if (c.sameRow)
            EXPECT_EQ (datum, "2018-05-06 07:08:09");
        else
            EXPECT_TRUE (datum.startsWith (juce::Time::getCurrentTime().formatted ("%Y-%m-%d"))) << datum;
    }
}

TEST_F (SerijaStoreTest, ALabelWithAQuoteIsStoredAndFoundAsTyped)
{
    const auto label = juce::String::fromUTF8 ("Jože's");
    auto r = values (label, 2016, 4, 3, 1, 12.9);
    ASSERT_EQ (SerijaStore::saveNew (r), SerijaStore::Saved::inserted);
    EXPECT_EQ (value ("SELECT oznaka||'/'||stevilo FROM serija WHERE id=" + juce::String (r.id)), juce::String::fromUTF8 ("Jože's/12"));
    auto again = values (label, 2016, 4, 3, 1);
    EXPECT_EQ (SerijaStore::saveNew (again), SerijaStore::Saved::twin);
    EXPECT_EQ (batch (r.id).oznaka, label);
}

TEST_F (SerijaStoreTest, BatchTextHasTwoDecimalsAndNoBlankBeforeTheUnit)
{
    addSerija (5, "A", 2017, 3, 3, 2, 10);
    EXPECT_EQ (formatSerija ("Sauvignon", batch (5)), "Sauvignon, 1.00l, 2017-A");
    addSerija (6, "B", 2018, 4, 2, 2, 10);
    const auto b = batch (6);
    EXPECT_EQ (formatSerija (b.sorta.sorta, b), "Modra frankinja, 0.75l, 2018-B");
}

TEST_F (SerijaStoreTest, CompareAllowsAMillionthAndLogsTheFirstDifference)
{
    addSerija (5, "A", 2017, 3, 3, 2, 10);
    const auto a = batch (5);
    auto b = a;
    b.stevilo += 5e-7;
    EXPECT_TRUE (SerijaStore::compare (a, b));
    b.stevilo = a.stevilo + 2e-6;
    b.kvalitetaid = 9;
    vtest::LogCapture log;
    EXPECT_FALSE (SerijaStore::compare (a, b));
    EXPECT_TRUE (log.contains ("id serije:5 stevilo does not match a:10")) << log.lines().joinIntoString ("\n");
    EXPECT_FALSE (log.contains ("kvalitetaid"));
    b = a;
    b.model.enota.oznaka = "dl";
    EXPECT_FALSE (SerijaStore::compare (a, b));
    EXPECT_TRUE (log.contains ("model.enota.oznaka does not match a:l b:dl"));
}

TEST_F (SerijaStoreTest, AnEditRewritesTheBatchUnlessAnotherListedBatchIsItsTwin)
{
    addSerija (5, "A", 2017, 3, 2, 2, 10, 1, "2018-01-01 00:00:00");
    addSerija (6, "B", 2017, 3, 2, 2, 20);
    addSerija (7, "C", 2017, 3, 2, 2, 30, 0);

    auto edited = values ("Nova 'A'", 2016, 4, 3, 3, 77);
    edited.id = 5;
    ASSERT_EQ (SerijaStore::saveEdit (edited), SerijaStore::Saved::inserted);
    EXPECT_EQ (value ("SELECT oznaka||'/'||letnik||'/'||stevilo||'/'||sorta||'/'||model||'/'||kvaliteta||'/'||active FROM serija WHERE id=5"),
               "Nova 'A'/2016/77/4/3/3/1");
    EXPECT_TRUE (value ("SELECT datum FROM serija WHERE id=5").startsWith (juce::Time::getCurrentTime().formatted ("%Y-%m-%d")));

    // Its own values again are no twin; a listed batch's are; a removed batch's are not.
    EXPECT_EQ (SerijaStore::saveEdit (edited), SerijaStore::Saved::inserted);
    auto asB = values ("B", 2017, 3, 2, 2, 1);
    asB.id = 5;
    EXPECT_EQ (SerijaStore::saveEdit (asB), SerijaStore::Saved::twin);
    EXPECT_EQ (value ("SELECT oznaka FROM serija WHERE id=5"), "Nova 'A'");
    auto asC = values ("C", 2017, 3, 2, 2, 1);
    asC.id = 5;
    EXPECT_EQ (SerijaStore::saveEdit (asC), SerijaStore::Saved::inserted);

    ASSERT_TRUE (exec ("CREATE TRIGGER refuse BEFORE UPDATE ON serija BEGIN SELECT RAISE(ABORT,'refused'); END;"));
    edited.stevilo = 1;
    EXPECT_EQ (SerijaStore::saveEdit (edited), SerijaStore::Saved::failed);
    EXPECT_EQ (value ("SELECT stevilo FROM serija WHERE id=5"), "1");
}

TEST_F (SerijaStoreTest, CompositionKeepsOneRowPerWineAndVesselHoldingTheSum)
{
    addSerija (12, "A", 2017, 3, 2, 2, 0);
    auto rows = [this] { return this->rows ("SELECT serija,vino,posoda,printf('%.2f',volumen) FROM kompozicija ORDER BY posoda,vino"); };

    EXPECT_TRUE (SerijaStore::dodajVino (12, 7, 150.456, 5, nullptr));
    EXPECT_EQ (rows(), juce::StringArray ({ "12|7|5|150.46" }));
    EXPECT_TRUE (SerijaStore::dodajVino (12, 7, 49.5, 5, &db));
    EXPECT_TRUE (SerijaStore::dodajVino (12, 7, 10, 6, nullptr));
    EXPECT_TRUE (SerijaStore::dodajVino (12, 7, 0, 6, nullptr));
    EXPECT_EQ (rows(), juce::StringArray ({ "12|7|5|199.96", "12|7|6|10.00" }));

    struct Refused
    {
        int serija, vino, posoda;
        double volumen;
        const char* line;
    };
    const Refused refused[] = {
        { 12, 7, 5, -0.01, "ERROR: napaka volumen:-0.01" },
        { 0, 7, 5, 1, "ERROR: napaka serija:0" },
        { 12, 0, 5, 1, "ERROR: napaka vino:0" },
        { 12, 7, 0, 1, "ERROR: napaka posoda:0" },
    };
    for (const auto& r : refused)
    {
        vtest::LogCapture log;
        EXPECT_FALSE (SerijaStore::dodajVino (r.serija, r.vino, r.volumen, r.posoda, nullptr)) << r.line;
        EXPECT_TRUE (log.contains (r.line)) << r.line;
    }
    EXPECT_EQ (rows(), juce::StringArray ({ "12|7|5|199.96", "12|7|6|10.00" }));
}

TEST_F (SerijaStoreTest, AFailedInsertKeepsTheRecordedLitres)
{
    addSerija (12, "A", 2017, 3, 2, 2, 0);
    ASSERT_TRUE (SerijaStore::dodajVino (12, 7, 199.96, 5, nullptr));
    ASSERT_TRUE (exec ("CREATE TRIGGER refuse BEFORE INSERT ON kompozicija WHEN NEW.volumen > 1000 BEGIN SELECT RAISE(ABORT,'full'); END;"));
    EXPECT_FALSE (SerijaStore::dodajVino (12, 7, 900, 5, nullptr));
    EXPECT_EQ (value ("SELECT printf('%.2f',volumen) FROM kompozicija WHERE serija=12 AND vino=7 AND posoda=5"), "199.96");

    // Inside a booking's own transaction the same failure undoes the booking as well.
    {
        DbTransaction booking;
        ASSERT_TRUE (db.sqlQueryNA ("UPDATE serija SET stevilo=50 WHERE id=12"));
        EXPECT_FALSE (SerijaStore::dodajVino (12, 7, 900, 5, &db));
    }
    EXPECT_EQ (value ("SELECT printf('%.2f',volumen) FROM kompozicija WHERE serija=12"), "199.96");
    EXPECT_EQ (value ("SELECT stevilo FROM serija WHERE id=12"), "0");
}
