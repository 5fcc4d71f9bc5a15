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

bool withdraw (SQLtoXml& db, int hrambaId, int artikelId)
{
    const char* method = "PlanWrites::withdraw";
    DbTransaction booking;
    if (! booking.isActive())
        return false;

    if (! db.sqlQueryNA ("UPDATE hramba SET active=0 WHERE id = " + juce::String (hrambaId)))
        return false;

    const auto left = db.sqlQueryInt ("SELECT COUNT(id) FROM hramba WHERE active=1 AND artikel=" + juce::String (artikelId));
    if (! db.ok)
    {
        booking.markFailed();
        return false;
    }
    if (left == 0)
    {
        vlog (method, "ni vec aktivnih hramb za ta artikel. Deaktiviramo artikel");
        if (! db.sqlQueryNA ("UPDATE artikel SET active=0 WHERE id = " + juce::String (artikelId)))
            return false;
    }
    return booking.commit();
}
} // namespace PlanWrites
