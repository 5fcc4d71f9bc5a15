#include "warehouse/SkladisceArtikelSave.h"

#include "cellar/SerijaStore.h"
#include "core/Amount.h"
#include "core/Log.h"
#include "db/DbTransaction.h"
#include "db/SQLtoXml.h"
#include "operations/Glavna.h"
#include "operations/ItemTransfer.h"
#include "operations/Opravilo.h"

#include <memory>

using vindoro::vlog;

namespace
{
const char* const kMethod = "SkladisceArtikelSave::save";

juce::String str (juce::int64 v) { return juce::String (v); }

/** The price as the SQL text writes it: two decimals and a point, decided on hundredths. */
juce::String priceSql (double cena)
{
    const auto exact = vindoro::Amount::fromStoredDouble (cena);
    return exact.has_value() ? exact->toSql() : juce::String ("0.00");
}

juce::String escaped (const juce::String& text) { return SqlitetoXml::sqlEscapeQuotes (text); }
} // namespace

SkladisceArtikelSave::SkladisceArtikelSave (Mode m, SQLtoXml& database) : mode (m), db (database) {}

bool SkladisceArtikelSave::refuse (const juce::String& message)
{
    error = TRANS (message);
    return false;
}

int SkladisceArtikelSave::findArtikelId (const ArtikelRecord& artikel, SQLtoXml* given, bool* failed)
{
    std::unique_ptr<SQLtoXml> own;
    if (given == nullptr)
    {
        own = std::make_unique<SQLtoXml>();
        given = own.get();
    }
    const auto found = given->sqlQueryInt (
        "SELECT actid FROM (SELECT CASE WHEN active>0 THEN id ELSE -id END AS actid FROM artikel WHERE ime = '"
        + escaped (artikel.ime) + "' AND tip = '" + str (artikel.tip.id) + "' AND link = '" + str (artikel.link)
        + "' AND enota = '" + str (artikel.enota.id) + "' AND parent=1 UNION ALL SELECT 0 AS actid) ga LIMIT 1");
    if (failed != nullptr)
        *failed = ! given->ok;
    return given->ok ? (int) found : 0;
}

bool SkladisceArtikelSave::save()
{
    vlog (kMethod, "vstopam");
    error.clear();
    glavnaId = 0;
    const bool edit = mode == Mode::edit;
    const bool prejeti = mode == Mode::received;
    auto& artikel = record.artikel;
    const int own = artikel.id;

    if (edit && ! (own == orig.artikel.id && own >= 1))
    {
        // Answering true here would close the dialog as if the entry had been saved.
        vlog (kMethod, "ERROR: nikoli ne sme priti do tega");
        return refuse ("Hramba se je med urejanjem spremenila. Preverite.");
    }

    artikel.ime = artikel.ime.trim();
    const auto& name = artikel.ime;
    if (name.isEmpty())
    {
        vlog (kMethod, "Empty artikel name!");
        return refuse ("Vnesite ime artikla!");
    }
    if (artikel.tip.id <= 0)
        return refuse ("Tip artikla ni podan!");
    if (artikel.enota.id <= 0)
        return refuse ("Enota artikla ni podana!");
    if (prejeti)
        artikel.enota.oznaka = "kos";
    if (artikel.tip.id != TipRecord::bottledWine)
        artikel.link = 1;
    else if (artikel.link < 1)
        return refuse ("Serija artikla ni podana!");
    if (! prejeti && ((! edit && record.stevilo <= 0) || (edit && record.stevilo < 0)))
        return refuse ("Kolicina artikla ni podana!");
    if (! prejeti && artikel.cena <= 0)
        return refuse ("Cena artikla ni podana!");
    if (! prejeti && artikel.ddv.id <= 0)
        return refuse ("DDV artikla ni podan!");
    if (record.skladisce.id <= 0)
        return refuse ("Skladisce ni podano!");

    bool lookupFailed = false;
    const int found = findArtikelId (artikel, &db, &lookupFailed);
    vlog (kMethod, "Dobil sem artikel:" + str (found)
                       + " ce je poz. je aktiven, ce je neg. je neaktiven, ce je 0 ga ni ali pa napaka z bazo.");
    if (lookupFailed)
    {
        // Taking a failed look-up for "no such article" would insert a second copy of one that exists.
        error = TRANS ("Napaka pri kreiranju artikla z imenom ") + name;
        return false;
    }

    const auto exists = TRANS ("Artikel z istim imenom ") + "'" + name + "'" + TRANS (" ze obstaja!\nZelis spremeniti ime artikla?");
    const auto askNow = [this] (const juce::String& title, const juce::String& message) {
        return ask ? ask (title, message) : 0;
    };
    bool reuse = false;
    bool fresh = false;
    if (found > 0 && ! (edit && found == own))
    {
        error = exists;
        return false;
    }
    if (found < 0 && ! (edit && found == -own))
    {
        if (prejeti)
            reuse = true;
        else if (askNow (TRANS ("Uredi artikel"), TRANS ("Artikel z istim imenom ") + name
                                                      + TRANS (" ze obstaja a je neaktiven!\nZelis dodati ta artikel ki ze obstaja?"))
                 == 1)
            reuse = true;
        else
        {
            error = exists;
            return false;
        }
    }
    if (found == 0 && edit)
    {
        const int answer = askNow (TRANS ("Uredi artikel"), TRANS ("Sledenje sprememb zahteva da ustvarimo nov artikel"));
        if (answer == 0)
        {
            vlog (kMethod, "sledenje sprememb canceled");
            return refuse ("Sledenje sprememb zahteva da ustvarimo nov artikel preklicano");
        }
        fresh = answer == 2;
    }

    {
        for (auto* table : { "serija", "sorta", "model", "enota", "kvaliteta" })
            db.addTable (table);
        Hramba::addTables (db);
        ItemTransfer::addTables (&db);
        Glavna::addTables (&db);
        for (auto* table : { "artikel", "artikel AS ar", "hramba", "glavna", "prepakiranje" })
            db.addTable (table);
    }
    struct ClearTables
    {
        SQLtoXml& db;
        ~ClearTables() { db.clearTables(); }
    } clearTables { db };

    const auto warehouseText = TRANS (" v skladisce ") + record.skladisce.ime;
    const auto addFailed = TRANS ("Napaka pri dodajanju artikla z imenom ") + name + warehouseText;

    DbTransaction booking;
    if (! booking.isActive())
    {
        error = addFailed;
        return false;
    }
    const auto fail = [&] (const juce::String& message) {
        booking.markFailed();
        booking.rollback();
        error = message;
        return false;
    };

    // Another window may have changed the article, the batch or the entry while a question was open.
    const int again = findArtikelId (artikel, &db, &lookupFailed);
    if (lookupFailed || again != found)
    {
        vlog (kMethod, "Reloaded artikel:" + str (again)
                           + " ce je poz. je aktiven, ce je neg. je neaktiven, ce je 0 ga ni ali pa napaka z bazo. prejsni id:"
                           + str (found));
        return fail (TRANS ("Hramba se je med urejanjem spremenila. Preverite."));
    }
    if (artikel.tip.id == TipRecord::bottledWine && record.serija.id >= 1)
    {
        // A batch that cannot be read now counts as changed: booking on it would point at a gone row.
        auto stored = record.serija;
        const bool readable = SerijaStore::reloadSerija (stored, &db);
        if (! readable || ! SerijaStore::compare (record.serija, stored))
        {
            if (readable)
            {
                record.serija = stored;
                artikel.link = stored.id;
                if (freshSerija)
                    freshSerija (stored);
            }
            return fail (TRANS ("Serija se je med urejanjem spremenila. Preverite."));
        }
    }
    if (edit && orig.reloadCompareSet (&db, entryOwner))
        return fail (TRANS ("Hramba se je med urejanjem spremenila. Preverite."));
    if (reuse)
    {
        const auto inUse = db.sqlQueryInt ("SELECT COUNT(id) FROM hramba WHERE active=1 AND artikel=" + str (-found)
                                           + " AND skladisce=" + str (record.skladisce.id));
        if (db.ok && inUse > 0)
            return fail (TRANS ("Hramba se je med urejanjem spremenila. Preverite."));
    }

    DateTime now;
    int newId = 0, reactId = 0, archId = 0;
    const auto changeFailed = TRANS ("Napaka pri spreminjanju artikla z imenom ") + name;
    const auto price = priceSql (artikel.cena);
    const auto vat = str (artikel.ddv.id);
    if (edit && (found == own || found == -own))
    {
        if (! db.sqlQueryNA ("UPDATE artikel SET cena='" + price + "',ddv='" + vat + "' WHERE id='" + str (own) + "'"))
            return fail (changeFailed);
    }
    else if (found < 0)
    {
        reactId = -found;
        if (! db.sqlQueryNA ("UPDATE artikel SET cena='" + price + "',ddv='" + vat + "',active=" + (prejeti ? "0" : "1")
                             + " WHERE id='" + str (reactId) + "'"))
            return fail (changeFailed);
    }
    else if (! edit || fresh)
    {
        artikel.datumkreiranja = now;
        artikel.parent = 1;
        artikel.active = ! prejeti;
        newId = (int) db.sqlInsert (
            "INSERT INTO artikel(ime,link,link2,cena,ddv,enota,tip,parent,datumkreiranja,active) VALUES('" + escaped (name) + "',"
            + str (artikel.link) + "," + str (artikel.link2) + "," + price + "," + vat + "," + str (artikel.enota.id) + ","
            + str (artikel.tip.id) + ",1,'" + now.toString() + "'," + (prejeti ? "0" : "1") + ")");
        if (newId <= 0)
            return fail (TRANS ("Napaka pri kreiranju artikla z imenom ") + name);
    }
    else
    {
        archId = (int) db.sqlInsert (
            "INSERT INTO artikel(ime,link,link2,cena,ddv,enota,tip,parent,datumkreiranja,active) SELECT "
            "ar.ime,ar.link,ar.link2,ar.cena,ar.ddv,ar.enota,ar.tip,ar.parent,ar.datumkreiranja,0 FROM artikel AS ar WHERE ar.id="
            + str (own));
        if (archId <= 0
            || ! db.sqlQueryNA ("UPDATE artikel SET ime='" + escaped (name) + "',link=" + str (artikel.link) + ",link2="
                                + str (artikel.link2) + ",cena=" + price + ",ddv=" + vat + ",enota=" + str (artikel.enota.id)
                                + ",tip=" + str (artikel.tip.id) + ",parent=1,active=1 WHERE id=" + str (own)))
            return fail (changeFailed);
    }

    if (! prejeti)
    {
        const int newCount = record.stevilo;
        const int oldCount = edit ? orig.stevilo : 0;
        const int type = newCount > oldCount   ? OperationType::goodsIncrease
                         : newCount < oldCount ? OperationType::goodsWriteOff
                         : archId > 0          ? OperationType::repacking
                                               : OperationType::goodsMove;
        Glavna entry;
        glavnaId = entry.vknjizi (&db, now, type, opombe);
        if (glavnaId <= 0)
            return fail (addFailed);

        ItemTransfer transfer (glavnaId, &db);
        const int target = newId > 0 ? newId : reactId;
        const bool sameWarehouse = record.skladisce.id == orig.skladisce.id;
        bool moved = true;
        if (target == 0 && sameWarehouse)
        {
            moved = newCount > oldCount ? transfer.transfer (ItemTransfer::kInto, record.id, newCount - oldCount, 0, 0)
                                        : transfer.transfer (ItemTransfer::kOutOf, record.id, oldCount - newCount, 0, 0);
        }
        else
        {
            if (oldCount > 0)
                moved = transfer.transfer (ItemTransfer::kOutOf, orig.id, oldCount, 0, 0);
            if (moved && newCount > 0)
                moved = transfer.transfer (ItemTransfer::kInto, record.skladisce.id, newCount, target > 0 ? target : own,
                                           record.kosovnica);
        }
        if (! moved)
            return fail (addFailed);

        if (archId > 0
            && (! db.sqlQueryNA ("UPDATE prepakiranje SET artpo=" + str (archId) + " WHERE artpo=" + str (own))
                || ! db.sqlQueryNA ("INSERT INTO prepakiranje(glavna,artprej,artpo,sklprej,sklpo,stprej,stpo) VALUES("
                                    + str (glavnaId) + "," + str (archId) + "," + str (own) + "," + str (orig.skladisce.id) + ","
                                    + str (record.skladisce.id) + "," + str (oldCount) + "," + str (newCount) + ")")))
            return fail (addFailed + " Koda 065");
    }

    if (! booking.commit())
    {
        glavnaId = 0;
        error = addFailed;
        return false;
    }
    if (newId > 0)
        artikel.id = newId;
    else if (reactId > 0)
        artikel.id = reactId;
    if (entryOwner != nullptr)
        entryOwner->setHrambaIDN (record, 1);
    vlog (kMethod, "vse je ok, izstopam");
    return true;
}
