#pragma once
// The vessels a window has picked, one per numbered slot (from 1).
#include "cellar/posoda.h"

#include <vector>

class PosodaListener
{
public:
    explicit PosodaListener (int slots);
    virtual ~PosodaListener();

    /** Stores the record in the slot; a slot out of range is only logged. */
    virtual void setPosodaIDN (posoda record, int slot);
    /** A copy of the slot, or the empty record (id -1) for a slot out of range. */
    posoda getPosoda (int slot) const;

private:
    std::vector<posoda> slots;
};
