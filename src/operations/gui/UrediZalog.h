#pragma once
// The editor of one wine in a vessel: its variety, parcel, vintage, litres and vessel, and the
// vessel's declaration, booked by UrediZalogSave.
#include "cellar/PosodaListener.h"
#include "cellar/SortaListener.h"
#include "frame/VindorWindowAction.h"
#include "operations/VinoRecord.h"

#include <memory>

class VindorPropertyPanel;
class VolumeSliderPropertyComponent;
class SortaButtonPropertyComponent;
class ParcelaButtonPropertyComponent;
class PosodaButtonPropertyComponent;

class UrediZalog : public juce::Component,
                   public VindorWindowAction,
                   public juce::Value::Listener,
                   public PosodaListener,
                   public SortaListener,
                   public VinoListener
{
public:
    enum Section { transferSection = 0, declarationSection, extraSection };

    /** Opened on a row of the wine list, for the vessel the list shows. */
    UrediZalog (const juce::XmlElement* row, posoda vessel);
    ~UrediZalog() override;

    void resized() override;
    bool okAction() override;
    bool cancelAction() override;
    void valueChanged (juce::Value& value) override;
    void setPosodaIDN (posoda record, int slot) override;
    void setIDN (VinoRecord wine, int slot) override;
    virtual bool save();

    VindorPropertyPanel& getPanel() { return *panel; }
    juce::Value stanje, letnik, kolicina, tipLetnik, kvaliteta, opombe;

private:
    posoda loadedVessel;
    posoda compareVessel;
    VinoRecord loaded;
    std::unique_ptr<VindorPropertyPanel> panel;
    PosodaButtonPropertyComponent* vesselRow = nullptr;
    VolumeSliderPropertyComponent* kolicinaRow = nullptr;
    SortaButtonPropertyComponent* varietyRow = nullptr;
    SortaButtonPropertyComponent* declaredRow = nullptr;
    ParcelaButtonPropertyComponent* parcelRow = nullptr;
};
