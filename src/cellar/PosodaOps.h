#pragma once
// What can be done to a vessel without a window: re-read it, check it against the database before
// a booking, book a change of its own data or declaration, write its position, remove it, and the
// state text. Every operation takes a query object; null makes one of its own for the call.
#include "cellar/PosodaListener.h"

class SQLtoXml;

class PosodaOps
{
public:
    /** Re-reads vessel p.id into p; false when the query failed or found no row. */
    static bool reloadPosoda (posoda& p, SQLtoXml* db);

    /** True when the vessel is not as p says any more: it changed (then the window's slot holds
        the fresh copy), or it cannot be read again (the slot is left alone). False for id <= 0. */
    static bool reloadCompareSet (posoda p, SQLtoXml* db, PosodaListener* window, int slot);

    /** Books the difference between old and neu: a journal entry (unless glavna is given), a
        vessel-change row when its data changed, a declaration row and the vessel re-pointed when
        its declaration changed, all or nothing. neu takes the new declaration's id. On failure
        error (when given) receives the translated reason. */
    static bool prenosPosode (SQLtoXml* db, const posoda& old, posoda& neu, const juce::String& opomba,
                              int glavna, juce::String* error = nullptr);

    /** "prazna posoda", or the variety, vintage, stock and capacity. */
    static juce::String getStanjePosode (posoda p);

    /** Writes position and stacking of a moved vessel; moved stays set when the write failed. */
    static void writePosition (SQLtoXml* db, posoda& p, bool movable, bool& moved);

    /** Removes the vessel (active 0) and books it, in one transaction; false in view mode. */
    static bool setActive (SQLtoXml* db, posoda& p, bool movable, juce::String* error = nullptr);

    /** The active vessels of a cellar in stacking order (the canvas's load). */
    static juce::String cellarVesselsSql (int kletId);
    /** Reads the cellar's name and flag into k (left empty when the cellar is missing or inactive). */
    static void loadKlet (SQLtoXml& db, KletRecord& k);
    /** Writes the cellar's active flag. */
    static bool setKletActive (SQLtoXml& db, int kletId, bool active);

    /** The fill ratio 0..1 drawn for a vessel; 0 for a capacity of 0 or below. */
    static double fillRatio (const posoda& p);
};
