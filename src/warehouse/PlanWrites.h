#pragma once
// The two writes the warehouse plan makes to `hramba`: a tile's position and taking an entry off
// its warehouse (with its article once no active entry of it is left). Plain engine code; the
// plan's tiles call it and decide what a failure means for them.
#include <juce_core/juce_core.h>

class SQLtoXml;

namespace PlanWrites
{
/** The position UPDATE as the plan writes it. */
juce::String positionSQL (int hrambaId, int pozx, int pozy, int pozz);

/** Writes a tile's position through a query object of its own; false when the statement failed
    (logged with the entry's id). */
bool writePosition (int hrambaId, int pozx, int pozy, int pozz);

/** How a withdrawal ended. */
enum class Withdrawal
{
    withdrawn,
    notEmpty,   // the entry holds stock in the database (whatever a tile drawn earlier shows)
    failed
};

/** Sets an empty entry inactive and, when its article lies in no other active entry, the article
    too: one booking, all of it or nothing. An entry that holds stock is left as it is. */
Withdrawal withdrawEmpty (SQLtoXml& db, int hrambaId, int artikelId);

/** withdrawEmpty, true only when the entry was taken off. */
bool withdraw (SQLtoXml& db, int hrambaId, int artikelId);
} // namespace PlanWrites
