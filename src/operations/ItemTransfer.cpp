#include "operations/ItemTransfer.h"
#include "core/Globals.h"
#include "core/Log.h"
#include "db/DbTransaction.h"
#include "db/SQLtoXml.h"

#include <cmath>

namespace
{
juce::String str (juce::int64 n) { return juce::String (n); }

/** A plan coordinate: whole values without decimals. */
juce::String coordinate (double v)
{
    return v == std::floor (v) && std::abs (v) < 1.0e15 ? juce::String ((juce::int64) v) : juce::String (v);
}

/** The count a quantity stands for: rounded down, once; nothing for a quantity that is no number. */
std::optional<juce::int64> wholeCount (double kolicina)
{
    if (! std::isfinite (kolicina) || std::abs (kolicina) > 1.0e15)
        return std::nullopt;
    return (juce::int64) std::floor (kolicina);
}
} // namespace

void ItemTransfer::addTables (SQLtoXml* db)
{
    if (db == nullptr)
        return;
    db->addTable ("hramba");
    db->addTable ("prenos");
}

bool ItemTransfer::addItemToFreeSpace (int skladisce, double kolicina, int artikel, int kosovnica, int* newId)
{
    const char* method = "ItemTransfer::addItemToFreeSpace";
    if (db == nullptr)
        return false;
    const auto count = wholeCount (kolicina);
    if (! count.has_value())
        return false;

    double x = 0, y = 0;
    auto* settings = getUserSettings();
    if (settings == nullptr || ! settings->getBoolValue ("dostavniplac", false))
    {
        const auto n = (int) db->sqlQueryInt ("SELECT COUNT(id) FROM hramba WHERE active=1 AND skladisce=" + str (skladisce));
        if (! db->ok)
            return false;
        // Entries fill a near-square grid row by row; the new one takes cell number n.
        const int side = (int) std::sqrt ((float) n);
        const int columns = n > 0 ? (int) ((float) n / (float) side + 1.0f) : 1;
        vindoro::vlog (method, "poglejmo zadnjega od " + str (n) + " artiklov v " + str (columns) + " x " + str (side));
        x = (n % columns) * kCellWidth;
        y = (n / columns) * kCellHeight;

        const auto occupied = db->sqlQueryInt ("SELECT COUNT(id) FROM hramba WHERE active=1 AND skladisce=" + str (skladisce)
                                               + " AND pozx<=" + coordinate (x) + " AND pozx>" + coordinate (x - kCellWidth)
                                               + " AND pozy<=" + coordinate (y) + " AND pozy>" + coordinate (y - kCellHeight));
        if (! db->ok)
            return false;
        vindoro::vlog (method, "na tem mestu je " + str (occupied) + " artiklov");
        if (occupied > 0)
        {
            // A new column right of the rightmost entry.
            const double rightmost = db->sqlQueryDouble ("SELECT MAX(pozx) FROM hramba WHERE active=1 AND skladisce=" + str (skladisce));
            if (! db->ok)
                return false;
            x = rightmost + kCellWidth;
            y = 0;
        }
    }

    const auto made = db->sqlInsert ("INSERT INTO hramba(skladisce,artikel,kosovnica,stevilo,pozx,pozy,pozz) VALUES('" + str (skladisce)
                                     + "','" + str (artikel) + "','" + str (kosovnica) + "','" + str (*count) + "'," + coordinate (x)
                                     + "," + coordinate (y) + ",0)");
    if (newId != nullptr)
        *newId = (int) made;
    return made >= 1;
}

bool ItemTransfer::transfer (int smer, int kam, double kolicina, int artikel, int kosovnica)
{
    const char* method = "ItemTransfer::transfer";
    OwnDbRelease release { *this };
    const auto count = wholeCount (kolicina);
    if (! count.has_value() || kolicina < 0)
    {
        vindoro::vlog (method, juce::String::formatted (kNegative, kolicina));
        return false;
    }
    if (glavna < 1)
    {
        vindoro::vlog (method, "ERROR:glavna id:" + str (glavna));
        return false;
    }
    if (smer != kInto && smer != kOutOf)
    {
        vindoro::vlog (method, juce::String::formatted (kWrongDirection, smer));
        return false;
    }
    if (! startDB())
        return false;

    DbTransaction booking;
    if (! booking.isActive())
        return false;

    int entry = artikel >= 1 ? findHramba (kam, artikel, kosovnica) : kam;
    if (booking.hasFailed())
        return false;

    if (entry < 1)
    {
        if (smer == kOutOf || artikel < 1)
        {
            vindoro::vlog (method, juce::String::formatted (kNotInWarehouse, artikel, kam));
            return false;
        }
        // The new entry already holds the count: no stock update follows.
        if (! db->sqlQueryNA ("UPDATE artikel SET active=1 WHERE id=" + str (artikel))
            || ! addItemToFreeSpace (kam, (double) *count, artikel, kosovnica, &entry) || entry < 1)
        {
            vindoro::vlog (method, "ERROR: hramba id:" + str (entry) + " should be something else");
            return false;
        }
    }
    else
    {
        const double stored = db->sqlQueryDouble ("SELECT stevilo FROM hramba WHERE id=" + str (entry));
        if (booking.hasFailed())
            return false;
        if (! db->ok)
        {
            // A storage entry named by its id that does not exist cannot hold goods.
            vindoro::vlog (method, juce::String::formatted (kNotInWarehouse, artikel, kam));
            return false;
        }
        const auto have = (juce::int64) std::floor (stored);
        if (smer == kOutOf && *count > have)
        {
            vindoro::vlog (method, juce::String::formatted (kShortOfStock, entry, (double) have, (double) *count));
            return false;
        }
        const auto after = smer == kInto ? have + *count : have - *count;
        if (! db->sqlQueryNA ("UPDATE hramba SET active=1,stevilo=" + str (after) + " WHERE id=" + str (entry)))
            return false;
    }

    if (! db->sqlQueryNA ("INSERT INTO prenos(glavna,hramba,smer,kolicina) VALUES('" + str (glavna) + "','" + str (entry) + "','"
                          + str (smer) + "','" + str (*count) + "')"))
        return false;
    return booking.commit();
}

int ItemTransfer::getHrambaIDN (int skladisce, int artikel, int kosovnica)
{
    OwnDbRelease release { *this };
    if (! startDB())
        return 0;

    DbTransaction making;
    if (! making.isActive())
        return 0;

    int entry = artikel <= 0 ? -1 : findHramba (skladisce, artikel, kosovnica);
    if (making.hasFailed())
        return 0;
    if (artikel <= 0 || entry <= 0)
    {
        int made = -1;
        if (! addItemToFreeSpace (skladisce, 0, artikel, kosovnica, &made) || made < 1)
            return -1;
        // Hidden until a booking puts goods into it.
        if (! db->sqlQueryNA ("UPDATE hramba SET active=0 WHERE id=" + str (made)))
            return -1;
        entry = made;
    }
    return making.commit() ? entry : -1;
}

bool ItemTransfer::reverseInTransfer (int hramba, double kolicina) { return reverse (hramba, kolicina, kInto); }
bool ItemTransfer::reverseOutTransfer (int hramba, double kolicina) { return reverse (hramba, kolicina, kOutOf); }

bool ItemTransfer::reverse (int hramba, double kolicina, int smer)
{
    const bool takingOut = smer == kInto;   // an inflow is taken back by taking goods out
    const char* method = takingOut ? "ItemTransfer::reverseInTransfer" : "ItemTransfer::reverseOutTransfer";
    OwnDbRelease release { *this };
    if (! checkEntryAndDb (method))
        return false;

    DbTransaction reversal;
    if (! reversal.isActive())
        return false;

    auto rows = db->sqlFetch ("SELECT kolicina FROM prenos WHERE hramba=" + str (hramba) + " AND smer=" + str (smer)
                              + " AND glavna=" + str (glavna));
    if (rows == nullptr || rows->getChildByName ("DATA") == nullptr)
    {
        vindoro::vlog (method, takingOut ? kNoAnswerIn : kNoAnswerOut);
        return false;
    }
    juce::int64 total = 0;
    for (auto* row : rows->getChildByName ("DATA")->getChildIterator())
        total += wholeCount (row->getDoubleAttribute ("kolicina")).value_or (0);

    // What this entry's rows hold is what goes back, whatever the caller expected: the rows are
    // deleted, so any other amount would make goods appear or vanish.
    if ((double) total < kolicina)
        vindoro::vlog (method, juce::String::formatted (takingOut ? kShortfallIn : kShortfallOut, (double) total, kolicina));

    const double stored = db->sqlQueryDouble ("SELECT stevilo FROM hramba WHERE id=" + str (hramba));
    if (reversal.hasFailed())
        return false;
    const bool exists = db->ok;
    const auto have = (juce::int64) std::floor (stored);
    if (! exists || (takingOut && total > have))
    {
        vindoro::vlog (method, juce::String::formatted (kShortOfStock, hramba, (double) have, (double) total));
        vindoro::vlog (method, kReverseFailed);
        return false;
    }

    const auto after = takingOut ? have - total : have + total;
    const juce::String update = takingOut ? "UPDATE hramba SET stevilo=" + str (after) + " WHERE id=" + str (hramba)
                                          : "UPDATE hramba SET active=1,stevilo=" + str (after) + " WHERE id=" + str (hramba);
    if (! db->sqlQueryNA (update))
    {
        vindoro::vlog (method, kReverseFailed);
        return false;
    }
    if (! db->sqlQueryNA ("DELETE FROM prenos WHERE hramba=" + str (hramba) + " AND smer=" + str (smer) + " AND glavna=" + str (glavna)))
        return false;
    return reversal.commit();
}
