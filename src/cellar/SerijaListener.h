#pragma once
// The batch a window works on, in one slot numbered 1: written by its batch chooser, read when
// the window books or filters. Windows that need to react to a new batch override setSerijaIDN
// and call this one first.
#include "warehouse/GoodsRecords.h"

class SerijaListener
{
public:
    SerijaListener();
    virtual ~SerijaListener();

    /** Slot 1 stores the record; any other slot stores nothing and is logged. */
    virtual void setSerijaIDN (SerijaRecord record, int slot);
    /** A copy of slot 1. */
    SerijaRecord getSerija() const { return serija; }

private:
    SerijaRecord serija;
};
