#pragma once
// The operations fixture with what the journal's texts read besides the movements: parcels,
// agents, a customer, a fixed translation table, and bookings made as the wine windows make
// them (entry, movements through the engine, then the operation's own detail rows).
#include "core/Amount.h"
#include "db/DbTransaction.h"
#include "operations/ItemTransfer.h"
#include "operations/OperationsFixture.h"
#include "operations/WineTransfer.h"

namespace optest
{
/** The translations the journal tests read their texts in. */
inline const char* journalTranslations()
{
    return "language: Test\n"
           "\"log_trgatev: \" = \"Harvest: \"\n"
           "\"log_l\" = \"l\"\n"
           "\"log_v posodi \" = \"in vessel \"\n"
           "\"log_v kleti \" = \"in cellar \"\n"
           "\"log_sladkanje\" = \"Sweetening: \"\n"
           "\"log_filtracija\" = \"Filtration: \"\n"
           "\"log_na_kolicino\" = \"for\"\n"
           "\"log_pretok: \" = \"Transfer: \"\n"
           "\"log_v posodo \" = \"into \"\n"
           "\"log_v klet \" = \"in \"\n"
           "\"log_iz posode \" = \"out of \"\n"
           "\"log_iz kleti \" = \"in \"\n"
           "\"log_dokument \" = \"Document \"\n"
           "\"log_kupec \" = \" customer \"\n"
           "\"log_dobavitelj \" = \" supplier \"\n"
           "\"log_konsignator \" = \" consignee \"\n"
           "\"log_kos \" = \"pcs \"\n"
           "\"log_v skladisce \" = \"into warehouse \"\n"
           "\"log_iz skladisca \" = \"out of warehouse \"\n"
           "\"log_prenos: \" = \"Goods: \"\n"
           "\"log_kalo: \" = \"Loss: \"\n"
           "\"log_kalo_opomba\" = \"note: \"\n"
           "\"log_tipizacija\" = \"Declared\"\n"
           "\"log_Analiza vina\" = \"Analysis\"\n"
           "\"log_Analiza_odlocba\" = \"decision \"\n"
           "\"logbullet\" = \"*\"\n"
           "\"Next Page\" = \"NEXT\"\n"
           "\"Prev Page\" = \"PREV\"\n"
           "\"log_napaka_branja\" = \"READ FAILED\"\n"
           "\"log_letnik: \" = \"Vintage: \"\n"
           "\"log_parcela: \" = \"parcel: \"\n"
           "\"log_prenosposode\" = \"Vessel moved\"\n"
           "\"log_maceracija\" = \"Maceration: \"\n"
           "\"log_prepakiranje_artikel_prej\" = \"Article before: \"\n"
           "\"log_prepakiranje_artikel_po\" = \", after: \"\n"
           "\"log_prepakiranje_serija_prej\" = \"Batch before: \"\n"
           "\"log_prepakiranje_serija_po\" = \", after: \"\n"
           "\"Opomin title\" = \"Reminder\"\n"
           "\"log_opomin_za_racune\" = \"for invoices\"\n"
           "\"%Y-%m-%d\" = \"%d.%m.%Y\"\n";
}

/** Installs a translation table while it lives; none afterwards, as the other tests expect. */
struct FixedTranslations
{
    explicit FixedTranslations (const juce::String& text = journalTranslations())
    {
        juce::LocalisedStrings::setCurrentMappings (new juce::LocalisedStrings (text, false));
    }
    ~FixedTranslations() { juce::LocalisedStrings::setCurrentMappings (nullptr); }
};

class JournalTextFixture : public OperationsFixture
{
protected:
    void SetUp() override
    {
        OperationsFixture::SetUp();
        // Wine 10's parcel row is missing on purpose; parcel 1 is the shipped placeholder.
        ASSERT_TRUE (exec ("INSERT INTO parcela(id,ime,vinogradnik,drzava) VALUES (2,'Breg nad potokom',1,185),(3,'Dolina',1,185);"
                           "UPDATE vino SET parcela=2 WHERE id IN (7,9); UPDATE vino SET parcela=3 WHERE id=8; UPDATE vino SET parcela=99 WHERE id=10;"
                           "INSERT INTO sredstvo(id,oznaka,tip) VALUES (1,'Sladkor',2),(2,'Kvas X',2),(3,'Filter K',8);"
                           "INSERT INTO stranka(id,ime,drzava,tipstranke) VALUES (2,'Kupec Novak',185,1),(3,'Ana Kletar',185,8);"));
        settings().setValue ("uporabnik:id", 3);
        settings().setValue ("uporabnik", "Ana Kletar");
    }

    static juce::String n (int v) { return juce::String (v); }

    /** One statement on the booking's own connection (inside its transaction). */
    void run (const juce::String& sql) { EXPECT_TRUE (db.sqlQueryNA (sql)) << sql; }

    /** A harvest as the harvest window books it: the entry, the must into the vessel, the harvest row. */
    int bookHarvest (int vino, int posoda, double kg, double litres, const juce::String& date)
    {
        DbTransaction tx;
        const int entry = post (OperationType::harvest, date);
        WineTransfer engine (entry, &db);
        EXPECT_TRUE (engine.transfer (Transfer::kInto, posoda, litres, vino, 0));
        run ("INSERT INTO trgatev(glavna,vino,volumen) VALUES (" + n (entry) + "," + n (vino) + "," + juce::String (kg) + ")");
        EXPECT_TRUE (tx.commit());
        return entry;
    }

    /** A transfer of one wine from one vessel into another, as the transfer window books it. */
    int bookTransfer (int vino, int from, int to, double litres, const juce::String& date)
    {
        DbTransaction tx;
        const int entry = post (OperationType::wineTransfer, date);
        WineTransfer engine (entry, &db);
        EXPECT_TRUE (engine.transfer (Transfer::kInto, to, litres, vino, 0));
        EXPECT_TRUE (engine.transfer (Transfer::kOutOf, from, litres, vino, 0));
        EXPECT_TRUE (tx.commit());
        return entry;
    }

    /** A wine care on a vessel: the wine's row, its loss out of the vessel, and a sweetening. */
    int bookWineCare (int vino, int posoda, double litres, double loss, const juce::String& date)
    {
        DbTransaction tx;
        const int entry = post (OperationType::wineCare, date);
        WineTransfer engine (entry, &db);
        EXPECT_TRUE (engine.transfer (Transfer::kOutOf, posoda, loss, vino, 0));
        run ("INSERT INTO vinopravilo(glavna,posoda,volumen,vino) VALUES (" + n (entry) + "," + n (posoda) + ","
             + juce::String (litres) + "," + n (vino) + ")");
        run ("INSERT INTO kalo(glavna,vino,volumen) VALUES (" + n (entry) + "," + n (vino) + "," + juce::String (loss) + ")");
        run ("INSERT INTO sladkanje(glavna,sredstvo,kolicina,e_kolicina,volumen) VALUES (" + n (entry) + ",1,2.5,2,"
             + juce::String (litres) + ")");
        EXPECT_TRUE (tx.commit());
        return entry;
    }
};
} // namespace optest
