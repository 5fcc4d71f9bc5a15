#pragma once
// The mix-in of every window that takes picked parties: numbered slots (from 1) that the party
// pickers fill. Owned by the window that inherits it; a slot holds the empty record (id -1)
// until a party is picked into it, and slot numbers out of range change nothing.
#include "partners/StrankaRecord.h"

#include <vector>

class StrankaListener
{
public:
    explicit StrankaListener (int numberOfSlots);
    virtual ~StrankaListener();

    /** Stores the party in slot `slot` (1-based); windows override it to react to a pick and
        call this first. A slot out of range is logged and ignored. */
    virtual void setStrankaIDN (StrankaRecord party, int slot);

    /** A copy of slot `slot` (1-based), or the empty record when out of range. */
    StrankaRecord getStranka (int slot) const;
    int getNumSlots() const { return (int) slots.size(); }

private:
    std::vector<StrankaRecord> slots;
};
