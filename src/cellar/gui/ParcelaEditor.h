#pragma once
// The dialog that adds or edits a vineyard parcel: name, grower (a party of the grower kind),
// GERK identifier and country. Save stores the parcel and answers the parcel browser; a refusal
// keeps the dialog open with its entries. Owned by its window.
#include "cellar/ParcelaRecord.h"
#include "frame/VindorWindowAction.h"
#include "frame/VindorWindowSetup.h"
#include "partners/StrankaListener.h"
#include "widgets/VindorPropertyPanel.h"

class StrankaValButton;
class DrzavaTableButtonPropertyComponent;

class ParcelaEditor : public juce::Component,
                      public VindorWindowAction,
                      public VindorWindowSetup,
                      public StrankaListener
{
public:
    ParcelaEditor (ParcelaRecord parcel, bool insert);
    ~ParcelaEditor() override;

    /** Stores the typed parcel; false with the error message set when refused or failed. */
    virtual bool save();

    bool okAction() override;
    void setStrankaIDN (StrankaRecord party, int slot) override;
    void resized() override;

    ParcelaRecord getParcela() const { return parcela; }
    juce::Value& getImeValue() { return imeValue; }
    juce::Value& getGerkValue() { return gerkValue; }
    StrankaValButton* getGrowerRow() const { return growerRow; }
    DrzavaTableButtonPropertyComponent* getCountryRow() const { return countryRow; }

private:
    ParcelaRecord parcela;
    juce::Value imeValue;
    juce::Value growerValue;
    juce::Value gerkValue;
    VindorPropertyPanel panel;
    StrankaValButton* growerRow = nullptr;                  // owned by the panel
    DrzavaTableButtonPropertyComponent* countryRow = nullptr;   // owned by the panel
    bool insert;
};
