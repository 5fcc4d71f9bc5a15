#include "warehouse/PlanWrites.h"

#include "core/Log.h"
#include "db/DbTransaction.h"
#include "db/SQLtoXml.h"

using vindoro::vlog;

namespace PlanWrites
{
juce::String positionSQL (int hrambaId, int pozx, int pozy, int pozz)
{
    return "UPDATE hramba SET pozx = " + juce::String (pozx) + ", pozy = " + juce::String (pozy) + " , pozz = "
           + juce::String (pozz) + " WHERE id = " + juce::String (hrambaId);
}

bool writePosition (int hrambaId, int pozx, int pozy, int pozz)
{
    SQLtoXml db;
    if (db.sqlQueryNA (positionSQL (hrambaId, pozx, pozy, pozz)))
        return true;
    vlog ("PlanWrites::writePosition", "ERROR: position of hramba " + juce::String (hrambaId) + " not written: " + db.lastError);
    return false;
}

Withdrawal withdrawEmpty (SQLtoXml& db, int hrambaId, int artikelId)
{
    const char* method = "PlanWrites::withdraw";
    DbTransaction booking;
    if (! booking.isActive())
        return Withdrawal::failed;

    // The count is read in the same statement that withdraws: stock received since the plan was
    // drawn keeps the entry, which a check of the tile's count alone would not see.
    if (! db.sqlQueryNA ("UPDATE hramba SET active=0 WHERE id=" + juce::String (hrambaId) + " AND stevilo<=0"))
        return Withdrawal::failed;
    const auto changed = db.sqlQueryInt ("SELECT changes()");
    if (! db.ok)
    {
        vlog (method, "ERROR: " + db.lastError);
        booking.markFailed();
        return Withdrawal::failed;
    }
    if (changed == 0)
    {
        vlog (method, "artikel se polna ne brisem: hramba " + juce::String (hrambaId));
        booking.rollback();
        return Withdrawal::notEmpty;
    }

    const auto left = db.sqlQueryInt ("SELECT COUNT(id) FROM hramba WHERE active=1 AND artikel=" + juce::String (artikelId));
    if (! db.ok)
    {
        booking.markFailed();
        return Withdrawal::failed;
    }
    if (left == 0)
    {
        vlog (method, "ni vec aktivnih hramb za ta artikel. Deaktiviramo artikel");
        if (! db.sqlQueryNA ("UPDATE artikel SET active=0 WHERE id = " + juce::String (artikelId)))
            return Withdrawal::failed;
    }
    if (booking.commit())
        return Withdrawal::withdrawn;
    vlog (method, "ERROR: " + booking.getLastError());
    return Withdrawal::failed;
}

bool withdraw (SQLtoXml& db, int hrambaId, int artikelId)
{
    return withdrawEmpty (db, hrambaId, artikelId) == Withdrawal::withdrawn;
}
} // namespace PlanWrites
