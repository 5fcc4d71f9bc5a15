#include "cellar/PosodaOps.h"
#include "cellar/VesselQuery.h"
#include "core/DateTime.h"
#include "core/Log.h"
#include "core/TextHelpers.h"
#include "db/DbTransaction.h"
#include "db/SQLtoXml.h"
#include "operations/Glavna.h"
#include "operations/Opravilo.h"

namespace
{
/** The caller's query object, or one of our own for this call. */
struct QueryFor
{
    explicit QueryFor (SQLtoXml* given)
    {
        if (given == nullptr)
            own = std::make_unique<SQLtoXml>();
        db = given != nullptr ? given : own.get();
    }
    std::unique_ptr<SQLtoXml> own;
    SQLtoXml* db = nullptr;
};

juce::String twoDecimalsPoint (double x)
{
    return juce::String (x, 2).replaceCharacter (',', '.');
}
} // namespace

bool PosodaOps::reloadPosoda (posoda& p, SQLtoXml* given)
{
    QueryFor q (given);
    auto tree = q.db->sqlFetch (VesselQuery::text() + " WHERE posoda.id=" + juce::String (p.id));
    if (tree == nullptr)
    {
        vindoro::vlog ("Posoda::reloadPosoda", "ERROR: ni odgovora iz baze");
        return false;
    }
    auto* data = tree->getChildByName ("DATA");
    const int count = data != nullptr ? data->getNumChildElements() : 0;
    if (count == 0)
        return false;
    if (count > 1)
        vindoro::vlog ("Posoda::reloadPosoda", "ERROR: got " + juce::String (count) + " rows");
    auto* row = data->getFirstChildElement();
    // The aggregate gives one row of NULLs when the id matches nothing.
    if (row->getStringAttribute ("id").isEmpty())
        return false;
    p = posoda (row);
    return true;
}

bool PosodaOps::reloadCompareSet (posoda p, SQLtoXml* given, PosodaListener* window, int slot)
{
    vindoro::vlog ("Posoda::reloadCompareSet", "tukaj");
    if (p.id <= 0)
        return false;
    QueryFor q (given);
    posoda fresh = p;
    // A vessel that cannot be read again is not known to be as the window saw it: stop the booking.
    if (! reloadPosoda (fresh, q.db))
    {
        vindoro::vlog ("Posoda::reloadCompareSet", "ERROR: posode ni mogoce prebrati");
        return true;
    }
    if (posoda::compare (p, fresh))
        return false;
    if (window != nullptr)
        window->setPosodaIDN (fresh, slot);
    vindoro::vlog ("Posoda::reloadCompareSet", "gremo ven");
    return true;
}

bool PosodaOps::prenosPosode (SQLtoXml* given, const posoda& old, posoda& neu, const juce::String& opomba,
                              int glavna, juce::String* error)
{
    QueryFor q (given);
    auto fail = [error] (const char* key)
    {
        if (error != nullptr)
            *error = TRANS (key);
        vindoro::vlog ("Posoda::prenosPosode", key);
        return false;
    };

    const bool dataChanged = neu.id != old.id || neu.oznaka != old.oznaka || neu.klet.id != old.klet.id
        || neu.volumen != old.volumen || neu.zaloga != old.zaloga || neu.pozx != old.pozx
        || neu.pozy != old.pozy || neu.pozz != old.pozz
        || formatDecimal2 (neu.cena) != formatDecimal2 (old.cena) || neu.tip != old.tip
        || neu.active != old.active;
    const bool declarationChanged = neu.tipizacija.id != old.tipizacija.id;
    vindoro::vlog ("Posoda::prenosPosode", "oidn:" + juce::String (old.tipizacija.id) + " nova " + juce::String (neu.tipizacija.id));

    if (! dataChanged && ! declarationChanged)
    {
        vindoro::vlog ("Posoda::prenosPosode", "Exiting - no changes observed");
        return true;
    }
    const int type = dataChanged ? OperationType::vesselChange : OperationType::declaration;

    auto declared = neu.tipizacija;
    if (declarationChanged && declared.id == 1)
    {
        declared.sorta.id = 1;
        declared.letnik = 0;
        declared.kvaliteta = 2;
    }

    DbTransaction transaction;
    if (! transaction.isActive())
        return fail ("Prenosposode problem shranjevanje v glavno");

    if (glavna < 0)
    {
        Glavna entry;
        glavna = entry.vknjizi (q.db, DateTime(), type, opomba);
        if (glavna < 1)
        {
            transaction.markFailed();
            return fail ("Prenosposode problem shranjevanje v glavno");
        }
    }

    if (dataChanged)
    {
        int direction = (neu.klet.id >= 1 && neu.klet.id != old.klet.id) ? 1 : 0;
        if (! neu.active && old.active)
            direction = 2;
        const auto sql = "INSERT INTO prenosposode(glavna,posoda,klet,smer,oznaka,volumen,cena,tip) VALUES("
            + juce::String (glavna) + "," + juce::String (neu.id) + "," + juce::String (neu.klet.id) + ","
            + juce::String (direction) + ",'" + neu.oznaka.trim().replace ("'", "''") + "',"
            + twoDecimalsPoint (neu.volumen) + ",0," + juce::String (neu.tip) + ");";
        if (! q.db->sqlQueryNA (sql))
        {
            transaction.markFailed();
            return fail ("Tipizacija problem shranjevanje v prenosposode");
        }
    }

    if (declarationChanged)
    {
        const auto newId = q.db->sqlInsert ("INSERT INTO tipizacija(glavna,sorta,letnik,posoda,kvaliteta) VALUES("
            + juce::String (glavna) + "," + juce::String (declared.sorta.id) + "," + juce::String (declared.letnik)
            + "," + juce::String (neu.id) + "," + juce::String (declared.kvaliteta) + ")");
        if (newId < 1)
        {
            transaction.markFailed();
            return fail ("Tipizacija problem shranjevanje v tipizacija");
        }
        if (! q.db->sqlQueryNA ("UPDATE posoda SET tipizacija=" + juce::String (newId) + " WHERE id=" + juce::String (neu.id)))
        {
            transaction.markFailed();
            return fail ("Tipizacija problem shranjevanje v posoda");
        }
        declared.id = (int) newId;
        declared.posoda = neu.id;
        declared.glavna = glavna;
    }

    if (! transaction.commit())
        return fail ("Prenosposode problem shranjevanje v glavno");
    if (declarationChanged)
        neu.tipizacija = declared;
    return true;
}

juce::String PosodaOps::getStanjePosode (posoda p)
{
    if (p.sorta.isEmpty() || p.zaloga < 0.01)
        return TRANS ("prazna posoda");
    auto text = p.sorta;
    if (p.tipizacija.sorta.id > 1)
        text << "(T)";
    if (p.letnik > 98)
        text << " " << juce::String (p.letnik);
    text << " " << TRANS ("Zaloga v posodi") << formatDecimal0 (p.zaloga) << " L  volumen: " << formatDecimal0 (p.volumen) << " L";
    return text;
}

void PosodaOps::writePosition (SQLtoXml* given, posoda& p, bool movable, bool& moved)
{
    if (! movable)
    {
        vindoro::vlog ("Posoda::writePosition", "Can't edit in viewer mode!");
        return;
    }
    if (! moved)
        return;
    QueryFor q (given);
    const auto sql = "UPDATE posoda SET pozx = " + juce::String (p.pozx) + ", pozy = " + juce::String (p.pozy)
        + " , pozz = " + juce::String (p.pozz) + " WHERE id = " + juce::String (p.id);
    // A position that did not reach the file stays marked, so the next save writes it again.
    if (q.db->sqlQueryNA (sql))
        moved = false;
    else
        vindoro::vlog ("Posoda::writePosition", "ERROR: polozaj ni zapisan: " + q.db->lastError);
}

bool PosodaOps::setActive (SQLtoXml* given, posoda& p, bool movable, juce::String* error)
{
    if (! movable)
    {
        vindoro::vlog ("Posoda::setActive", "Can't edit in viewer mode!");
        return false;
    }
    QueryFor q (given);
    const posoda old = p;
    DbTransaction transaction;
    if (! q.db->sqlQueryNA ("UPDATE posoda SET active=0 WHERE id = " + juce::String (p.id)))
    {
        transaction.markFailed();
        return false;
    }
    posoda neu = p;
    neu.active = false;
    if (! prenosPosode (q.db, old, neu, {}, -1, error))
    {
        transaction.markFailed();
        return false;
    }
    if (! transaction.commit())
        return false;
    p = neu;
    return true;
}

juce::String PosodaOps::cellarVesselsSql (int kletId)
{
    return VesselQuery::text() + " WHERE posoda.klet = " + juce::String (kletId)
        + " AND posoda.active = 1 GROUP BY posoda.id ORDER BY posoda.pozz";
}

void PosodaOps::loadKlet (SQLtoXml& db, KletRecord& k)
{
    auto tree = db.sqlFetch ("SELECT * FROM klet WHERE active=1 AND id = " + juce::String (k.id));
    auto* data = tree != nullptr ? tree->getChildByName ("DATA") : nullptr;
    auto* row = data != nullptr ? data->getFirstChildElement() : nullptr;
    if (row == nullptr)
        return;
    k.ime = row->getStringAttribute ("ime");
    k.active = row->getStringAttribute ("active").getIntValue() != 0;
}

bool PosodaOps::setKletActive (SQLtoXml& db, int kletId, bool active)
{
    return db.sqlQueryNA ("UPDATE klet SET active=" + juce::String (active ? 1 : 0) + " WHERE id=" + juce::String (kletId));
}

double PosodaOps::fillRatio (const posoda& p)
{
    if (p.volumen <= 0.0)
        return 0.0;
    return juce::jlimit (0.0, 1.0, p.zaloga / p.volumen);
}
