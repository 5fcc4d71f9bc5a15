#pragma once
// The dialog that changes the selected vessel: its label, cellar (a choice of the active
// cellars), capacity, kind, declaration, VAT and price. Save stores and books the change in one
// go; a vessel saved unchanged books nothing.
#include "cellar/SortaListener.h"
#include "cellar/gui/KletInput.h"
#include "cellar/gui/PosodaFormRows.h"

class KletEditPosoda : public KletInput,
                       public SortaListener,
                       public juce::Value::Listener
{
public:
    KletEditPosoda();
    ~KletEditPosoda() override;

    /** Loads the vessel (the old state of the later save) into the rows. */
    void setPosoda (posoda vessel);
    bool save() override;
    void valueChanged (juce::Value& value) override;

    posoda getPosoda() const { return record; }
    PosodaFormRows& getRows() { return rows; }
    juce::Value& getKletValue() { return klet; }

private:
    PosodaFormRows rows;
    juce::Value klet;
    juce::StringArray kletNames;
    juce::Array<juce::var> kletIds;
    posoda record;
};
