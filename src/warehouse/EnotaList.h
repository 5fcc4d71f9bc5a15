#pragma once
// The units of table `enota` that an amount field or a unit cell offers, in the table's order.
// A field names the quantity kinds it measures as a bit mask; a unit is offered when its own mask
// shares a bit with it. Read once by each chooser when it is built.
#include "warehouse/GoodsRecords.h"

class EnotaList
{
public:
    /** Masks above this one offer every unit. */
    static constexpr int kAllUnitsAbove = 1025;

    /** "SELECT * FROM enota " and, for a mask up to 1025, " WHERE quantity & " + mask. */
    static juce::String selectSQL (int quantityMask);

    /** The units the text gives, in result order (missing numbers read 0); none when it fails. */
    static std::vector<EnotaRecord> load (const juce::String& sql);

    /** The units of the mask (selectSQL, then load). */
    static std::vector<EnotaRecord> forMask (int quantityMask) { return load (selectSQL (quantityMask)); }
};
