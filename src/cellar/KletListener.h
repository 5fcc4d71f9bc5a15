#pragma once
// The cellar a window has picked (one slot).
#include "cellar/KletRecord.h"

#include <vector>

class KletListener
{
public:
    KletListener();
    virtual ~KletListener();

    /** Stores the record; a slot other than 1 is only logged. */
    virtual void setKletIDN (KletRecord record, int slot);
    /** A copy of the first slot, or the empty record. */
    KletRecord getKlet() const;

private:
    std::vector<KletRecord> slots;
};
