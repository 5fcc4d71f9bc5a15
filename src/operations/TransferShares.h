#pragma once
// How a racking splits over the wines of its source vessel: every wine gives the same proportion,
// worked out in exact hundredths before anything is booked, so the shares always add up to what
// was asked and no wine gives more than it has.
#include "core/Amount.h"

#include <vector>

struct WineShare
{
    int vino = 0;
    vindoro::Litres stock;     // what the source holds of it
    vindoro::Litres inflow;    // into the target
    vindoro::Litres outflow;   // out of the source
    vindoro::Litres loss;      // outflow - inflow, lost on the way
};

/** Splits `volume` into the target and `loss` over the wines (their stock, largest first; ties go
    to the earlier wine). For volume, loss >= 0 and volume + loss <= the total stock: every share
    keeps 0 <= inflow <= outflow <= stock, the inflows add up to volume, the outflows to
    volume + loss and the losses to loss. */
std::vector<WineShare> shareTransfer (const std::vector<std::pair<int, vindoro::Litres>>& wines,
                                      vindoro::Litres volume, vindoro::Litres loss);
