#pragma once
// The dialog that adds a vessel to the shown cellar: label, capacity, kind, an optional
// declaration, VAT, price and notes. Save stores the vessel and books it in one go; afterwards
// getPosoda gives the stored vessel to the cellar window.
#include "cellar/SortaListener.h"
#include "cellar/gui/KletInput.h"
#include "cellar/gui/PosodaFormRows.h"

class KletAddPosoda : public KletInput,
                      public SortaListener,
                      public juce::Value::Listener
{
public:
    KletAddPosoda();
    ~KletAddPosoda() override;

    /** The cellar the vessel goes into; its name is shown in the disabled "Klet" row. */
    void setKlet (int id, const juce::String& name);
    bool save() override;
    void valueChanged (juce::Value& value) override;

    /** The vessel as stored by the last successful save (the empty record before). */
    posoda getPosoda() const { return record; }
    PosodaFormRows& getRows() { return rows; }

private:
    PosodaFormRows rows;
    juce::Value kletName;
    int kletId = -1;
    posoda record;
};
