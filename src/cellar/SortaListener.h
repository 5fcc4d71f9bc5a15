#pragma once
// The varieties a window has chosen, one per numbered slot (from 1), written by its picker rows.
#include "cellar/SortaRecord.h"

#include <vector>

class SortaListener
{
public:
    explicit SortaListener (int slots);
    virtual ~SortaListener();

    /** Stores the record in the slot; a slot out of range stores nothing and is logged. */
    virtual void setSortaIDN (SortaRecord record, int slot);
    /** A copy of the slot, or the empty record for a slot out of range. */
    SortaRecord getSorta (int slot) const;

private:
    std::vector<SortaRecord> slots;
};
