#pragma once
// One wine lying in one vessel as the wine list shows it (identity, litres, share of the vessel),
// carried by value between windows, and the holder through which a window keeps the wine it works on.
#include "cellar/ParcelaRecord.h"
#include "cellar/SortaRecord.h"

#include <vector>

struct VinoRecord
{
    VinoRecord();

    int id = -1;
    SortaRecord sorta;
    int letnik = 0;
    ParcelaRecord parcela;
    bool active = false;
    double razmerje = 0.0;   // percent of the vessel's stock
    double volumen = 0.0;    // litres of this wine in the vessel
};

/** The wines lying in a vessel, largest first, with their share of its stock, grower and parcel. */
juce::String vinoListSql (int posoda);

/** A row of the wine list as a record; a missing column gives its own default (id 0, variety and
    parcel 1). Null gives the empty record (id -1) and logs it. */
VinoRecord interpretVinoXml (const juce::XmlElement* row);

/** The wines a window holds, one per numbered slot (from 1). */
class VinoListener
{
public:
    explicit VinoListener (int slots = 2);
    virtual ~VinoListener();

    /** Stores the wine in the slot; a slot out of range is only logged. */
    virtual void setIDN (VinoRecord wine, int slot);
    /** A copy of the slot, or the empty record (id -1) for a slot out of range. */
    VinoRecord getVino (int slot) const;

    /** What a variety picker of `slot` does to the wine of that slot: takes the variety when it
        differs; true when the wine was handed back. */
    bool takeSorta (const SortaRecord& variety, int slot);
    /** What the parcel picker does to the wine of slot 1; true when the wine was handed back. */
    bool takeParcela (const ParcelaRecord& parcel);

private:
    std::vector<VinoRecord> slots;
};
