#pragma once
// The journal fixture with what batches read: quality grades, two varieties, bottle models in
// litres, and batches and bottlings written as the batch dialog and bottling write them.
#include "cellar/SerijaStore.h"
#include "operations/JournalTextFixture.h"

namespace celltest
{
class SerijaFixture : public optest::JournalTextFixture
{
protected:
    void SetUp() override
    {
        // The journal fixture's own rows, written over the placeholder parcel the shipped database
        // now holds as id 1.
        OperationsFixture::SetUp();
        ASSERT_TRUE (exec ("INSERT OR REPLACE INTO parcela(id,ime,vinogradnik,drzava) VALUES (1,'Breg nad potokom',1,185),(2,'Dolina',1,185);"
                           "UPDATE vino SET parcela=1 WHERE id IN (7,9); UPDATE vino SET parcela=2 WHERE id=8; UPDATE vino SET parcela=99 WHERE id=10;"
                           "INSERT INTO sredstvo(id,oznaka,tip) VALUES (1,'Sladkor',2),(2,'Kvas X',2),(3,'Filter K',8);"
                           "INSERT INTO stranka(id,ime,drzava,tipstranke) VALUES (2,'Kupec Novak',185,1),(3,'Ana Kletar',185,8);"));
        if (value ("SELECT count(*) FROM pragma_table_info('racun') WHERE name='kupecracun'") == "0")
            ASSERT_TRUE (exec ("ALTER TABLE racun ADD COLUMN kupecracun integer;"));
        settings().setValue ("uporabnik:id", 3);
        settings().setValue ("uporabnik", "Ana Kletar");
        ASSERT_TRUE (exec ("INSERT OR REPLACE INTO kvaliteta(id,oznaka) VALUES (1,'namizno vino'),(2,'dezelno vino PGO'),(3,'kakovostno vino ZGP');"
                           "INSERT INTO sorta(id,sorta,okrajsano,barva,active,tip) VALUES (3,'Sauvignon','SAU',0,1,1),(4,'Modra frankinja','MF',0,1,0);"
                           "INSERT OR REPLACE INTO model(id,oznaka,volumen,enota,active) VALUES (1,'-',0,7,1),(2,'Bordo',0.75,7,1),(3,'Liter',1,7,1);"));
    }

    /** A batch row as the dialog stores it. */
    void addSerija (int id, const juce::String& oznaka, int letnik, int sorta, int model, int kvaliteta, int stevilo, int active = 1,
                    const juce::String& datum = "2019-01-01 10:00:00")
    {
        ASSERT_TRUE (exec ("INSERT INTO serija(id,oznaka,letnik,sorta,model,kvaliteta,stevilo,datum,active) VALUES (" + n (id) + ",'"
                           + oznaka.replace ("'", "''") + "'," + n (letnik) + "," + n (sorta) + "," + n (model) + "," + n (kvaliteta) + ","
                           + n (stevilo) + ",'" + datum + "'," + n (active) + ")"));
    }

    /** The listed batch as the batch query reads it. */
    SerijaRecord batch (int id)
    {
        auto r = SerijaStore::empty();
        r.id = id;
        EXPECT_TRUE (SerijaStore::reloadSerija (r, nullptr)) << id;
        return r;
    }

    /** A bottling as the bottling window books it: the entry, each wine out of the vessel, the
        bottling row and the composition. */
    int bookBottling (int serija, int posoda, std::initializer_list<std::pair<int, double>> wines, const juce::String& date)
    {
        DbTransaction tx;
        const int entry = post (OperationType::bottling, date);
        WineTransfer engine (entry, &db);
        for (auto [vino, litres] : wines)
        {
            EXPECT_TRUE (engine.transfer (Transfer::kOutOf, posoda, litres, vino, 0));
            EXPECT_TRUE (SerijaStore::dodajVino (serija, vino, litres, posoda, &db));
        }
        run ("INSERT INTO steklenicenje(glavna,serija,stevilo) VALUES (" + n (entry) + "," + n (serija) + ",100)");
        EXPECT_TRUE (tx.commit());
        return entry;
    }
};
} // namespace celltest
