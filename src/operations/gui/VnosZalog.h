#pragma once
// The opening-stock form of a vessel: a wine's variety, vintage, parcel and litres, with the
// vessel's declaration, booked by VnosZalogSave.
#include "cellar/PosodaListener.h"
#include "cellar/SortaListener.h"
#include "frame/VindorWindowAction.h"

#include <memory>

class VindorPropertyPanel;
class VolumeSliderPropertyComponent;
class SortaButtonPropertyComponent;
class ParcelaButtonPropertyComponent;

class VnosZalog : public juce::Component,
                  public VindorWindowAction,
                  public juce::Value::Listener,
                  public PosodaListener,
                  public SortaListener
{
public:
    enum Section { transferSection = 0, declarationSection, extraSection };

    VnosZalog();
    ~VnosZalog() override;

    void resized() override;
    bool okAction() override;
    bool cancelAction() override;
    void valueChanged (juce::Value& value) override;
    void setPosodaIDN (posoda record, int slot) override;
    virtual bool save();

    VindorPropertyPanel& getPanel() { return *panel; }
    juce::Value oznaka, stanje, letnik, kolicina, tipLetnik, kvaliteta, opombe;

private:
    int storedVintage = 0;
    std::unique_ptr<VindorPropertyPanel> panel;
    VolumeSliderPropertyComponent* stanjeRow = nullptr;
    VolumeSliderPropertyComponent* kolicinaRow = nullptr;
    SortaButtonPropertyComponent* varietyRow = nullptr;
    SortaButtonPropertyComponent* declaredRow = nullptr;
    ParcelaButtonPropertyComponent* parcelRow = nullptr;
};
