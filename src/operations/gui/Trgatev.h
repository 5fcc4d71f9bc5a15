#pragma once
// The harvest window: grapes of a variety from a parcel and vintage, pressed into must that flows
// into a vessel, with the vessel's declaration, price and VAT, treatments and an analysis, booked
// as one operation by TrgatevSave.
#include "cellar/PosodaListener.h"
#include "cellar/SortaListener.h"
#include "frame/VindorWindowAction.h"
#include "operations/SredstvoListener.h"
#include "operations/WineOperationExtras.h"
#include <array>
#include <memory>

class VindorPropertyPanel;
class PosodaButtonPropertyComponent;
class VolumeSliderPropertyComponent;
class SortaButtonPropertyComponent;
class ParcelaButtonPropertyComponent;
class CalendarButtonPropertyComponent;
struct TrgatevForm;

class Trgatev : public juce::Component,
                public juce::Value::Listener,
                public VindorWindowAction,
                public PosodaListener,
                public SortaListener,
                public SredstvoListener
{
public:
    /** The titled sections, counted from 0. */
    enum Section { grapesSection = 0, transferSection, declarationSection, extraSection, treatmentSection, analysisSection };

    Trgatev();
    ~Trgatev() override;

    void resized() override;
    void valueChanged (juce::Value& value) override;
    bool okAction() override;
    bool cancelAction() override;
    void prepareToClose() override;
    void setPosodaIDN (posoda record, int slot) override;

    /** Books the harvest; false leaves the reason as the window's error text. */
    bool saveTrgatev();

    VindorPropertyPanel& getPanel() { return *panel; }
    ParcelaButtonPropertyComponent& getParcelRow() { return *parcelRow; }
    SortaButtonPropertyComponent& getVarietyRow() { return *varietyRow; }
    VolumeSliderPropertyComponent& getMustRow() { return *mostaRow; }
    /** The value holders behind the rows, for the tests that drive the window. */
    juce::Value grozdja, letnik, stanje, mosta, tipLetnik, kvaliteta, datum, ddv, cena, opombe;

private:
    TrgatevForm collectForm() const;

    WineOperationExtras extras;
    std::array<juce::Value, 9> agentTexts;
    int storedVintage = 0;
    juce::String remark;

    std::unique_ptr<VindorPropertyPanel> panel;
    PosodaButtonPropertyComponent* vesselRow = nullptr;
    VolumeSliderPropertyComponent* mostaRow = nullptr;
    SortaButtonPropertyComponent* varietyRow = nullptr;
    ParcelaButtonPropertyComponent* parcelRow = nullptr;
    SortaButtonPropertyComponent* declaredRow = nullptr;
    CalendarButtonPropertyComponent* dateRow = nullptr;
};

/** Opens the window from the main board. */
KWindow* launchTrgatev (const juce::String& title, juce::Component* opener, juce::Component* openerSetup);
