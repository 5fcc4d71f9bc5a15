// Adding components to a product's bill of materials, without a window: the outflow of the
// components for every product piece in stock under a journal entry of its own kind, the bill made
// by the first line and found again by the next ones, the refusals, the question, and a failing
// line write that leaves nothing of the insertion behind.
#include "operations/OperationsFixture.h"
#include "support/FaultInjection.h"
#include "support/ScriptedAnswerer.h"
#include "warehouse/KosovnicaAdd.h"
#include "warehouse/gui/PlanFixture.h"

#include <gtest/gtest.h>

using namespace plantest;

namespace
{
constexpr int kPaket = 24;   // other goods with a bill of its own
const juce::StringArray kBookedTables { "glavna", "prenos", "hramba", "kosovnica", "pkosovnica" };

juce::StringArray lines (std::initializer_list<juce::String> texts)
{
    juce::StringArray out;
    for (const auto& t : texts)
        out.add (t);
    return out;
}

/** What one insertion reports. */
struct Outcome
{
    int kosovnicaId = 0;
    int glavnaId = 0;
    bool booked = false;
};

DateTime at (const juce::String& text)
{
    DateTime d;
    d = text;
    return d;
}

class KosovnicaAddDb : public PlanDb
{
protected:
    void SetUp() override
    {
        PlanDb::SetUp();
        Workstation::set (&workstation);
        run ("INSERT INTO artikel(id,ime,tip,cena,ddv,enota,parent,link,active) VALUES (24,'Paket',3,3,7,26,1,0,1)");
        run ("INSERT INTO glavna(id,opravilo,datum,dt,opomba,stranka,host) VALUES (40,36,'2026-12-01 08:00:00','2026-12-01 08:00:00','',1,1)");
        run ("INSERT INTO kosovnica(id,glavna,active) VALUES (5,40,1)");
        product = addEntry (kGlavno, kKarton, 3, 0, 0);
        component = addEntry (kGlavno, kZamasek, 7, 110, 0);
        semi = addEntry (kGlavno, kPaket, 4, 220, 0, 5);
        wine = addEntry (kGlavno, kFrankinja, 3, 330, 0);
        setClockTo ("2026-12-11 10:15:00");
    }

    void TearDown() override
    {
        KosovnicaAdd::setClock ({});
        Workstation::set (nullptr);
    }

    void setClockTo (const juce::String& when)
    {
        KosovnicaAdd::setClock ([t = at (when)] { return t; });
    }

    static Hramba entry (int id)
    {
        Hramba h;
        h.id = id;
        EXPECT_TRUE (h.reload (nullptr)) << "entry " << id;
        return h;
    }

    /** One insertion of `pieces` of the picked entry into the product's bill, from these copies. */
    bool add (const Hramba& parent, const Hramba& picked, int pieces, Outcome* out = nullptr)
    {
        SQLtoXml db;
        KosovnicaAdd booking (db);
        booking.parent = parent;
        booking.picked = picked;
        booking.kolicina = pieces;
        booking.ask = [this] (const juce::String& title, const juce::String& message) {
            questions.add (title + "|" + message);
            return answer;
        };
        const bool result = booking.insert();
        error = booking.error;
        if (out != nullptr)
        {
            out->kosovnicaId = booking.kosovnicaId;
            out->glavnaId = booking.glavnaId;
            out->booked = booking.booked;
        }
        return result;
    }

    juce::StringArray rows (const juce::String& sql) { return vtest::rowsOf (database.file(), sql); }
    juce::StringArray dump() { return vtest::dumpTables (database.file(), kBookedTables); }

    optest::StandInWorkstation workstation;
    int product = 0, component = 0, semi = 0, wine = 0;
    int answer = 1;
    juce::StringArray questions;
    juce::String error;
};

TEST_F (KosovnicaAddDb, TheFirstLineTakesTheComponentsOfEveryProductPieceAndMakesTheBill)
{
    ASSERT_EQ (product, 1) << "the first storage entry of a database is a product like any other";
    Outcome result;
    ASSERT_TRUE (add (entry (product), entry (component), 2, &result)) << error;
    EXPECT_TRUE (result.booked);
    ASSERT_GT (result.glavnaId, 0);

    EXPECT_EQ (rows ("SELECT opravilo,datum FROM glavna WHERE id=" + juce::String (result.glavnaId)),
               lines ({ "36|2026-12-11 10:15:00" }));
    EXPECT_EQ (rows ("SELECT glavna,hramba,smer,CAST(kolicina AS INTEGER) FROM prenos"),
               lines ({ juce::String (result.glavnaId) + "|" + juce::String (component) + "|2|6" }));
    EXPECT_EQ (storedInt ("SELECT stevilo FROM hramba WHERE id=" + juce::String (component)), 1);
    EXPECT_EQ (storedInt ("SELECT stevilo FROM hramba WHERE id=" + juce::String (product)), 3) << "the product's count stays";

    const int bill = storedInt ("SELECT kosovnica FROM hramba WHERE id=" + juce::String (product));
    EXPECT_EQ (bill, result.kosovnicaId);
    EXPECT_EQ (rows ("SELECT glavna,active FROM kosovnica WHERE id=" + juce::String (bill)),
               lines ({ juce::String (result.glavnaId) + "|1" }));
    EXPECT_EQ (rows ("SELECT kosovnica,artikel,CAST(stevilo AS INTEGER) FROM pkosovnica"),
               lines ({ juce::String (bill) + "|" + juce::String (kZamasek) + "|2" }));
}

TEST_F (KosovnicaAddDb, RefusalsLeaveEverythingAsItWas)
{
    auto sameAsProduct = entry (product);
    auto noArticle = entry (component);
    noArticle.artikel.id = 0;
    auto bottled = entry (wine);
    struct Case
    {
        const char* name;
        Hramba parent, picked;
        int pieces;
        const char* message;
    } cases[] = {
        { "no component", entry (product), noArticle, 1, "Artikel ni podan" },
        { "a product not of other goods", bottled, entry (component), 1, "kosovnica_add_not_drugo" },
        { "the product itself", entry (product), sameAsProduct, 1, "Artikel je enak parentu" },
        { "no pieces", entry (product), entry (component), 0, "Kolicina artikla ni podana!" },
        { "more than the stock: 3 x 3 > 7", entry (product), entry (component), 3, "Kolicina polizdelkov prevelika" },
    };
    const auto before = dump();
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        EXPECT_FALSE (add (c.parent, c.picked, c.pieces));
        EXPECT_EQ (error, TRANS (c.message));
        EXPECT_EQ (dump(), before);
    }
    EXPECT_TRUE (questions.isEmpty());
}

TEST_F (KosovnicaAddDb, AComponentWithABillOfItsOwnIsAddedOnlyAfterYes)
{
    const auto before = dump();
    for (int no : { 2, 0 })
    {
        answer = no;
        Outcome result;
        EXPECT_TRUE (add (entry (product), entry (semi), 1, &result)) << "No and Cancel end quietly";
        EXPECT_FALSE (result.booked);
        EXPECT_TRUE (error.isEmpty());
        EXPECT_EQ (dump(), before);
    }
    EXPECT_EQ (questions, lines ({ TRANS ("KosovnicaEdit") + "|" + TRANS ("Dodani artikel ima polizdelke"),
                                              TRANS ("KosovnicaEdit") + "|" + TRANS ("Dodani artikel ima polizdelke") }));

    answer = 1;
    ASSERT_TRUE (add (entry (product), entry (semi), 1)) << error;
    EXPECT_EQ (storedInt ("SELECT stevilo FROM hramba WHERE id=" + juce::String (semi)), 1);
}

TEST_F (KosovnicaAddDb, LinesFromAStaleProductCopyJoinOneBillAndSumPerComponent)
{
    // The browser keeps the entry as the tab was built: no bill. Every line must still go into
    // the bill the first one made.
    const auto stale = entry (product);
    ASSERT_EQ (stale.kosovnica, 0);
    Outcome first;
    ASSERT_TRUE (add (stale, entry (component), 1, &first)) << error;
    ASSERT_TRUE (add (stale, entry (component), 1)) << error;
    answer = 1;
    ASSERT_TRUE (add (stale, entry (semi), 1)) << error;

    EXPECT_EQ (rows ("SELECT COUNT(*) FROM kosovnica WHERE id>=2 AND id<>5"), lines ({ "1" }));
    EXPECT_EQ (storedInt ("SELECT kosovnica FROM hramba WHERE id=" + juce::String (product)), first.kosovnicaId);
    EXPECT_EQ (rows ("SELECT kosovnica,artikel,CAST(stevilo AS INTEGER) FROM pkosovnica ORDER BY artikel"),
               lines ({ juce::String (first.kosovnicaId) + "|" + juce::String (kZamasek) + "|2",
                                    juce::String (first.kosovnicaId) + "|" + juce::String (kPaket) + "|1" }));
    EXPECT_EQ (storedInt ("SELECT stevilo FROM hramba WHERE id=" + juce::String (component)), 1);
}

TEST_F (KosovnicaAddDb, TheBillsJournalEntryServesItsOwnDayOnlyAndLaterDaysPostTheirOwn)
{
    Outcome first;
    ASSERT_TRUE (add (entry (product), entry (component), 1, &first)) << error;
    setClockTo ("2026-12-11 23:59:00");
    Outcome sameDay;
    ASSERT_TRUE (add (entry (product), entry (component), 1, &sameDay)) << error;
    EXPECT_EQ (sameDay.glavnaId, first.glavnaId);

    setClockTo ("2026-12-12 00:01:00");
    Outcome nextDay;
    answer = 1;
    ASSERT_TRUE (add (entry (product), entry (semi), 1, &nextDay)) << error;
    EXPECT_NE (nextDay.glavnaId, first.glavnaId);
    EXPECT_EQ (rows ("SELECT opravilo,datum FROM glavna WHERE id=" + juce::String (nextDay.glavnaId)),
               lines ({ "36|2026-12-12 00:01:00" }));
    EXPECT_EQ (rows ("SELECT glavna,smer,CAST(kolicina AS INTEGER) FROM prenos ORDER BY id"),
               lines ({ juce::String (first.glavnaId) + "|2|3", juce::String (first.glavnaId) + "|2|3",
                                    juce::String (nextDay.glavnaId) + "|2|3" }));
    EXPECT_EQ (rows ("SELECT glavna FROM kosovnica WHERE id=" + juce::String (first.kosovnicaId)),
               lines ({ juce::String (first.glavnaId) }))
        << "the bill keeps its first entry";
}

TEST_F (KosovnicaAddDb, AFailingLineWriteLeavesNoOutflowEntryOrBill)
{
    for (bool withBill : { false, true })
    {
        SCOPED_TRACE (withBill ? "the product has its bill" : "the first line");
        if (withBill)
            ASSERT_TRUE (add (entry (product), entry (component), 1)) << error;
        const auto before = dump();
        vtest::FaultInjection faults (database.file(), { "pkosovnica" });
        faults.failWrite (1);
        EXPECT_FALSE (add (entry (product), entry (component), 1));
        EXPECT_EQ (error, TRANS ("Napaka pri vnasanju kosovnice v hrambo"));
        EXPECT_EQ (dump(), before);
    }
}

TEST_F (KosovnicaAddDb, AProductOnAnInvoiceLineIsFoundThere)
{
    SQLtoXml db;
    EXPECT_FALSE (KosovnicaAdd::isUsedOnInvoices (product, db));
    run ("INSERT INTO racun(id) VALUES (900)");
    run ("INSERT INTO postavka(racun,tip,artikel,link,kolicina) VALUES (900,1," + juce::String (kKarton) + ","
         + juce::String (product) + ",1)");
    EXPECT_TRUE (KosovnicaAdd::isUsedOnInvoices (product, db));
    EXPECT_FALSE (KosovnicaAdd::isUsedOnInvoices (component, db));
}

TEST (KosovnicaAddMaximum, TheComponentsStockPerProductPieceOrAllOfItWithoutProductPieces)
{
    EXPECT_EQ (KosovnicaAdd::maxCount (3, 7), 2);
    EXPECT_EQ (KosovnicaAdd::maxCount (0, 7), 7);
    EXPECT_EQ (KosovnicaAdd::maxCount (7, 7), 1);
    EXPECT_EQ (KosovnicaAdd::maxCount (8, 7), 0);
}
} // namespace
