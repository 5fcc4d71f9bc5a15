#include "warehouse/KosovnicaAdd.h"

#include "core/Log.h"
#include "db/DbTransaction.h"
#include "db/SQLtoXml.h"
#include "operations/Glavna.h"
#include "operations/ItemTransfer.h"
#include "operations/Opravilo.h"

using vindoro::vlog;

namespace
{
const char* const kMethod = "KosovnicaEdit::insertAction";
/** Bill ids below this are the placeholder row or none. */
constexpr int kFirstBill = 2;

juce::String str (juce::int64 v) { return juce::String (v); }

KosovnicaAdd::Clock& clockSlot()
{
    static KosovnicaAdd::Clock clock;
    return clock;
}

/** "%d%m%Y" of a date, as SQLite's strftime writes it. */
juce::String dayText (const DateTime& at)
{
    const auto text = at.toString();   // "%Y-%m-%d ..."
    return text.substring (8, 10) + text.substring (5, 7) + text.substring (0, 4);
}
} // namespace

KosovnicaAdd::KosovnicaAdd (SQLtoXml& database) : db (database) {}

void KosovnicaAdd::setClock (Clock clock) { clockSlot() = std::move (clock); }

DateTime KosovnicaAdd::now()
{
    const auto& clock = clockSlot();
    return clock ? clock() : DateTime();
}

int KosovnicaAdd::maxCount (int parentCount, int pickedCount)
{
    if (parentCount <= 0)
        return pickedCount;
    return pickedCount / parentCount;
}

bool KosovnicaAdd::isUsedOnInvoices (int hrambaId, SQLtoXml& database)
{
    const auto count = database.sqlQueryInt ("SELECT COUNT(p.id) FROM postavka AS p LEFT JOIN artikel AS a ON a.id=p.artikel WHERE a.tip="
                                             + str (TipRecord::otherGoods) + " AND p.link=" + str (hrambaId));
    return database.ok && count > 0;
}

bool KosovnicaAdd::refuse (const juce::String& message)
{
    error = TRANS (message);
    return false;
}

int KosovnicaAdd::journalEntry (const DateTime& at)
{
    if (parent.kosovnica >= kFirstBill)
    {
        const auto reused = (int) db.sqlQueryInt (
            "SELECT COALESCE(glavna.id,0) FROM kosovnica LEFT JOIN glavna ON glavna.id=kosovnica.glavna WHERE kosovnica.id="
            + str (parent.kosovnica) + " AND " + SqlitetoXml::sqlStrftime ("glavna.datum", "%d%m%Y") + "='" + dayText (at) + "'");
        if (db.ok && reused > 0)
            return reused;
    }
    Glavna entry;
    return entry.vknjizi (&db, at, OperationType::billOfMaterials, {});
}

bool KosovnicaAdd::insert()
{
    error.clear();
    booked = false;
    kosovnicaId = 0;
    glavnaId = 0;

    if (picked.artikel.id <= 0)
        return refuse ("Artikel ni podan");
    if (hasParent)
    {
        if (parent.artikel.tip.id != TipRecord::otherGoods)
            return refuse ("kosovnica_add_not_drugo");
        if (parent.id > 0 && parent.id == picked.id)
            return refuse ("Artikel je enak parentu");
    }
    if (kolicina <= 0)
        return refuse ("Kolicina artikla ni podana!");

    // Asked before the transaction opens: a modal question must not hold the connection.
    if (picked.kosovnica >= kFirstBill)
    {
        const int answer = ask ? ask (TRANS ("KosovnicaEdit"), TRANS ("Dodani artikel ima polizdelke")) : 0;
        if (answer != 1)
            return true;
    }
    // Storage entries have no placeholder row: id 1 is the first real one, and a product there
    // must not be turned away quietly.
    if (! hasParent || parent.id < 1)
    {
        vlog (kMethod, kNoParent);
        return true;
    }

    const auto failedOn = TRANS ("Napaka pri dodajanju artikla z imenom ") + picked.artikel.ime + TRANS (" iz skladisca ")
                          + picked.skladisce.ime;
    DbTransaction tx;
    if (! tx.isActive())
        return refuse (failedOn);

    // The held copies may be stale: the browser's entry still names no bill after its first line
    // made one, and either count may have moved. The checks run on what the database holds now.
    Hramba freshParent = parent;
    Hramba freshPicked = picked;
    if (! freshParent.reload (&db) || ! freshPicked.reload (&db))
    {
        tx.rollback();
        return refuse (failedOn);
    }
    parent.kosovnica = freshParent.kosovnica;
    parent.stevilo = freshParent.stevilo;
    picked.stevilo = freshPicked.stevilo;

    const juce::int64 need = (juce::int64) parent.stevilo * kolicina;
    if (need > picked.stevilo)
    {
        tx.rollback();
        return refuse ("Kolicina polizdelkov prevelika");
    }

    const auto fail = [&] (const juce::String& message) {
        tx.rollback();
        return refuse (message);
    };
    const DateTime at = now();
    Glavna::addTables (&db);
    ItemTransfer::addTables (&db);
    db.addTable ("kosovnica");
    db.addTable ("pkosovnica");

    glavnaId = journalEntry (at);
    if (glavnaId <= 0)
        return fail (failedOn);

    ItemTransfer transfer (glavnaId, &db);
    if (! transfer.transfer (2, picked.id, (double) need, 0, 0))
        return fail (failedOn);

    int bill = parent.kosovnica;
    if (bill < kFirstBill)
    {
        bill = (int) db.sqlInsert ("INSERT INTO kosovnica(glavna,active) VALUES(" + str (glavnaId) + ",1)");
        if (bill <= 0 || ! db.sqlQueryNA ("UPDATE hramba SET kosovnica=" + str (bill) + " WHERE id=" + str (parent.id)))
        {
            vlog (kMethod, kNoBill);
            return fail ("Napaka pri vnasanju kosovnice v hrambo");
        }
    }

    const auto found = db.sqlQueryInt ("SELECT id FROM pkosovnica WHERE kosovnica=" + str (bill) + " AND artikel=" + str (picked.artikel.id));
    const bool lineOk = db.ok && found > 0
                            ? db.sqlQueryNA ("UPDATE pkosovnica SET kosovnica=" + str (bill) + ",artikel=" + str (picked.artikel.id)
                                             + ",stevilo=stevilo+" + str (kolicina) + " WHERE id=" + str (found))
                            : db.sqlInsert ("INSERT INTO pkosovnica(kosovnica,artikel,stevilo) VALUES(" + str (bill) + ","
                                            + str (picked.artikel.id) + "," + str (kolicina) + ")")
                                  > 0;
    if (! lineOk)
    {
        vlog (kMethod, kLineFailed);
        return fail ("Napaka pri vnasanju kosovnice v hrambo");
    }
    if (! tx.commit())
    {
        vlog (kMethod, kLineFailed + juce::String (" ") + tx.getLastError());
        return refuse ("Napaka pri vnasanju kosovnice v hrambo");
    }

    parent.kosovnica = bill;
    kosovnicaId = bill;
    booked = true;
    return true;
}
