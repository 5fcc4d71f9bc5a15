#pragma once
// The harvest window: grapes of a variety from a parcel and vintage, pressed into must that flows
// into a vessel, with the vessel's declaration, price and VAT, treatments and an analysis, booked
// as one operation by TrgatevSave.
#include "operations/gui/WineBookingWindow.h"

class PosodaButtonPropertyComponent;
class VolumeSliderPropertyComponent;
class SortaButtonPropertyComponent;
class ParcelaButtonPropertyComponent;
struct TrgatevForm;

class Trgatev : public WineBookingWindow
{
public:
    /** The titled sections, counted from 0. */
    enum Section { grapesSection = 0, transferSection, declarationSection, extraSection, treatmentSection, analysisSection };

    Trgatev();
    ~Trgatev() override;

    void valueChanged (juce::Value& value) override;
    void setPosodaIDN (posoda record, int slot) override;

    /** Books the harvest; false leaves the reason as the window's error text. */
    bool saveTrgatev();

    ParcelaButtonPropertyComponent& getParcelRow() { return *parcelRow; }
    SortaButtonPropertyComponent& getVarietyRow() { return *varietyRow; }
    VolumeSliderPropertyComponent& getMustRow() { return *mostaRow; }
    /** The value holders behind the rows, for the tests that drive the window. */
    juce::Value grozdja, letnik, stanje, mosta, tipLetnik, kvaliteta, datum, ddv, cena, opombe;

private:
    bool book() override { return saveTrgatev(); }
    TrgatevForm collectForm() const;

    int storedVintage = 0;
    juce::String remark;

    PosodaButtonPropertyComponent* vesselRow = nullptr;
    VolumeSliderPropertyComponent* mostaRow = nullptr;
    SortaButtonPropertyComponent* varietyRow = nullptr;
    ParcelaButtonPropertyComponent* parcelRow = nullptr;
    SortaButtonPropertyComponent* declaredRow = nullptr;
};

/** Opens the window from the main board. */
KWindow* launchTrgatev (const juce::String& title, juce::Component* opener, juce::Component* openerSetup);
