#pragma once
// The mix-in of windows that take a chosen warehouse (reports, bottling): one slot, numbered 1,
// holding the empty warehouse (id -1, party id 0) until one is chosen. Owned by the window.
#include "warehouse/GoodsRecords.h"

class SkladisceListener
{
public:
    SkladisceListener();
    virtual ~SkladisceListener();

    /** Stores the warehouse in slot `slot` (1-based); a slot out of range is logged and ignored. */
    virtual void setSkladisceIDN (SkladisceRecord warehouse, int slot);

    /** A copy of slot 1, or the empty warehouse. */
    SkladisceRecord getSkladisce() const;

    static SkladisceRecord emptySkladisce();

protected:
    std::vector<SkladisceRecord> skladisca;
};
