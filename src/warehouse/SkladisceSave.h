#pragma once
// The save of a warehouse dialog without its window: the name trimmed and kept unique among all
// warehouses, an inactive warehouse of the name taken back when adding, the consignment party
// written as 1 for an own warehouse.
#include "warehouse/GoodsRecords.h"

class SQLtoXml;

class SkladisceSave
{
public:
    /** Saves `record` (its name and consignment party) as a new warehouse or, with `edit`, over
        the warehouse of its id. `consignment` is the dialog's toggle. On success the record holds
        the trimmed name, the party id as written and the warehouse id; on failure `error` says
        why (already translated). */
    static bool save (SkladisceRecord& record, bool edit, bool consignment, SQLtoXml& db, juce::String& error);
};
