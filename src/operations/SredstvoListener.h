#pragma once
// The mix-in of every window that takes picked agents: numbered slots (from 1), one per treatment
// kind in the operation windows, that the agent pickers fill. Owned by the window that inherits
// it; a slot holds the empty record (id -1) until an agent is picked into it.
#include "operations/SredstvoRecord.h"

#include <vector>

class SredstvoListener
{
public:
    explicit SredstvoListener (int numberOfSlots);
    virtual ~SredstvoListener();

    /** Stores the agent in slot `slot` (1-based); a slot out of range is logged and ignored. */
    virtual void setSredstvoIDN (SredstvoRecord agent, int slot);

    /** A copy of slot `slot`, or the empty record when out of range. */
    SredstvoRecord getSredstvo (int slot) const;
    int getNumSlots() const { return (int) slots.size(); }

private:
    std::vector<SredstvoRecord> slots;
};
