// The readable text of one journal entry over entries booked as the wine windows book them, in a
// fixed translation table: which parts appear, in which words, and what a missing piece gives.
#include "operations/JournalTextFixture.h"
#include "operations/OpraviloLogDetails.h"

using optest::FixedTranslations;

class OpraviloLogDetailsTest : public optest::JournalTextFixture
{
protected:
    juce::String textOf (int entry, int type = 0, const juce::String& filter = {})
    {
        Opravilo::LogDetails details (entry, type, {}, "Ana Kletar", &db);
        details.serijaFilter = filter;
        EXPECT_TRUE (details.reloadText());
        return details.getText();
    }

    /** An entry of the type with an invoice of the kind on it. */
    int bookDocument (int type, int kind, const juce::String& label)
    {
        const int entry = post (type);
        EXPECT_TRUE (exec ("INSERT INTO racun(tip,glavna,oznaka,kupecracun) VALUES (" + n (kind) + "," + n (entry) + ",'" + label + "',2)"));
        return entry;
    }

    FixedTranslations translations;
};

TEST_F (OpraviloLogDetailsTest, EachKindOfEntryInWords)
{
    const int harvestOnly = post (OperationType::harvest, "2017-09-10 08:00:00");
    ASSERT_TRUE (exec ("INSERT INTO trgatev(glavna,vino,volumen) VALUES (" + n (harvestOnly) + ",7,1200)"));
    const int harvest = bookHarvest (8, 5, 800, 600, "2017-09-11 08:00:00");
    const int transfer = bookTransfer (8, 5, 6, 250, "2017-10-01 09:00:00");
    const int care = bookWineCare (8, 6, 250, 2.5, "2017-10-02 09:00:00");
    const int empty = post (OperationType::wineTransfer);

    const int twoTreatments = post (OperationType::sweetening);
    ASSERT_TRUE (exec ("INSERT INTO sladkanje(glavna,sredstvo,kolicina,e_kolicina,volumen) VALUES (" + n (twoTreatments) + ",1,3,2,500),("
                       + n (twoTreatments) + ",2,20,1,500)"));
    const int filtration = post (OperationType::filtration);
    ASSERT_TRUE (exec ("INSERT INTO filtracija(glavna,sredstvo,opis,volumen) VALUES (" + n (filtration) + ",3,'fino',400)"));

    const int declaration = post (OperationType::declaration);
    ASSERT_TRUE (exec ("INSERT INTO tipizacija(glavna,sorta,letnik,posoda,kvaliteta) VALUES (" + n (declaration) + ",1,2016,5,2)"));
    // A declaration booked under the placeholder entry says nothing of its own.
    ASSERT_TRUE (exec ("INSERT INTO tipizacija(glavna,sorta,letnik,posoda,kvaliteta) VALUES (1,2,2017,6,2)"));

    int import = 0;
    {
        DateTime when;
        Glavna entry;
        import = entry.vknjizi (&db, when, OperationType::dataImport, "Uvoz iz starega programa");
    }
    const int analysis = post (OperationType::analysis);
    ASSERT_TRUE (exec ("INSERT INTO analiza(glavna,alkohol) VALUES (" + n (analysis) + ",12.5)"));

    int goods = 0;
    {
        DbTransaction tx;
        goods = post (OperationType::goodsMove);
        ItemTransfer engine (goods, &db);
        ASSERT_TRUE (engine.transfer (Transfer::kInto, 1, 24, 12, 0));
        ASSERT_TRUE (tx.commit());
    }

    struct Case
    {
        const char* name;
        int entry;
        int type;
        const char* text; // UTF-8
    };
    const Case cases[] = {
        { "an entry without detail rows", empty, OperationType::wineTransfer, "." },
        { "a harvest row alone: variety, parcel and kilograms", harvestOnly, OperationType::harvest, "Harvest: Belo (Breg nad potokom) 1200.0kg." },
        { "a booked harvest: its row and the must that went into the vessel", harvest, OperationType::harvest,
          "Harvest: Rdeče (Dolina) 800.0kg; Transfer: 600.0l (Rdeče) into A in Klet." },
        { "a transfer: the outflow first, then the inflow", transfer, OperationType::wineTransfer,
          "Transfer: 250.0l (Rdeče) out of A in Klet 250.0l (Rdeče) into B in Klet." },
        { "a wine care shows its own part, never the movements it booked", care, OperationType::wineCare,
          "250.0 l (Rdeče) in vessel B in cellar Klet; Sweetening: 2.5 kg Sladkor for 250.0l; Loss: 2.5l (note: test)." },
        { "of two rows of a treatment only the first", twoTreatments, OperationType::sweetening, "Sweetening: 3.0 kg Sladkor for 500.0l." },
        { "a filtration: the agent, the volume and the description", filtration, OperationType::filtration, "Filtration: Filter K for 400.0l fino." },
        { "a declaration of its own", declaration, OperationType::declaration, "Declared Belo 2016 Kakovostno." },
        { "a declaration under the placeholder entry", 1, 13, "." },
        { "a data import shows its remark", import, OperationType::dataImport, "Uvoz iz starega programa." },
        { "an analysis without a decision", analysis, OperationType::analysis, "Analysis." },
        { "goods moved into a warehouse", goods, OperationType::goodsMove, "Goods: 24.0 pcs into warehouse Skladisce." },
        { "an entry that does not exist", 99999, OperationType::harvest, "." },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        EXPECT_EQ (textOf (c.entry, c.type), juce::String::fromUTF8 (c.text));
    }
}

TEST_F (OpraviloLogDetailsTest, OneDocumentPartWhateverTheDocumentType)
{
    struct Case
    {
        int type, kind;
        const char* text;
    };
    const Case cases[] = {
        { OperationType::invoice, 1, "Document R-1 customer Kupec Novak." },
        { OperationType::receivedInvoice, 10, "Document R-1 supplier Kupec Novak." },
        { OperationType::otherDocument, 6, "Document R-1 consignee Kupec Novak." },
        { OperationType::claimOrLiability, 2, "Document R-1 customer Kupec Novak." },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.type);
        EXPECT_EQ (textOf (bookDocument (c.type, c.kind, "R-1"), c.type), c.text);
    }
}

TEST_F (OpraviloLogDetailsTest, BatchFilterLimitsDocumentsToTheirBottledWine)
{
    ASSERT_TRUE (exec ("INSERT INTO serija(id,oznaka,letnik,sorta) VALUES (4,'A',2016,1);"
                       "INSERT INTO artikel(id,ime,tip,link) VALUES (30,'Belo 2016',2,4);"
                       "INSERT INTO hramba(id,skladisce,artikel,stevilo) VALUES (40,1,30,100);"));
    const int entry = bookDocument (OperationType::invoice, 1, "R-7");
    ASSERT_TRUE (exec ("INSERT INTO postavka(racun,tip,artikel,link,kolicina) VALUES ((SELECT id FROM racun WHERE glavna=" + n (entry)
                       + "),1,30,40,6)"));

    EXPECT_EQ (textOf (entry, OperationType::invoice, "(4)"), "Document R-7 customer Kupec Novak.");
    EXPECT_EQ (textOf (entry, OperationType::invoice, "(999)"), ".") << "a filter that matches none of its lines";
    // Only numbers reach the SQL, whatever the filter holds.
    EXPECT_EQ (textOf (entry, OperationType::invoice, "(4) OR 1=1"), "Document R-7 customer Kupec Novak.");
}

TEST_F (OpraviloLogDetailsTest, TranslationWithAnApostropheStillGivesItsPart)
{
    FixedTranslations apostrophes ("\"log_trgatev: \" = \"Harvest's: \"\n\"log_pretok: \" = \"Pour'n'move: \"\n\"log_l\" = \"l\"\n");
    const int harvest = bookHarvest (7, 5, 100, 70, "2017-09-10 08:00:00");
    EXPECT_EQ (textOf (harvest, OperationType::harvest), "Harvest's: Belo (Breg nad potokom) 100.0kg; Pour'n'move: 70.0l (Belo) log_v posodo A log_v klet Klet.");
}

TEST_F (OpraviloLogDetailsTest, TypesWithoutAUsableTableAreLeftOutOfTheCount)
{
    const int harvest = bookHarvest (7, 5, 100, 70, "2017-09-10 08:00:00");
    // The shipped types 13 and 25 have no table and 37 is the journal itself: none of them is joined.
    auto* cache = Opravilo::getInstance();
    ASSERT_NE (cache, nullptr);
    juce::Array<int> usable;
    for (int i = 0; i < cache->getNumOpravil(); ++i)
        if (cache->hasDetailTable (i))
            usable.add (i);
    const auto sql = Opravilo::LogDetails::countingQuery (*cache, usable, harvest);
    EXPECT_FALSE (sql.contains ("FROM glavna WHERE")) << "the journal itself is no detail table";
    EXPECT_FALSE (sql.contains ("FROM  WHERE")) << "types without a table are left out";
    EXPECT_TRUE (sql.contains ("EXISTS(SELECT 1 FROM trgatev WHERE glavna=" + n (harvest) + ")"));

    // A detail table the database lacks is found when the cache is read, logged once, and left out.
    ASSERT_TRUE (exec ("DROP TABLE starezaloge"));
    Opravilo::deleteInstance();
    vtest::LogCapture log;
    const auto expected = "Harvest: Belo (Breg nad potokom) 100.0kg; Transfer: 70.0l (Belo) into A in Klet.";
    EXPECT_EQ (textOf (harvest, OperationType::harvest), expected);
    EXPECT_EQ (textOf (harvest, OperationType::harvest), expected);
    int warnings = 0;
    for (auto& line : log.lines())
        if (line.contains ("WARNING: tabela starezaloge opravila 27 ne obstaja"))
            ++warnings;
    EXPECT_EQ (warnings, 1);
}

TEST_F (OpraviloLogDetailsTest, MissingEntryAndNegativeIdsReadAsNothing)
{
    vtest::LogCapture log;
    Opravilo::LogDetails missing (4242, OperationType::harvest, {}, {}, &db);
    EXPECT_FALSE (missing.reloadOpravila());
    EXPECT_TRUE (log.contains ("ERROR: glavna nima vnosov za id:4242"));

    Opravilo::LogDetails negative (-1, 0, {}, {}, &db);
    EXPECT_FALSE (negative.reloadText());
    EXPECT_EQ (negative.getText(), "");
}
