#pragma once
// The wine entry form of the bulk-wine editor: a variety, vintage, litres and parcel put into one
// "ITEM" row of the editor's composition list, with the id of the stored wine of that identity.
// Nothing is written to the database. The vintage is shared with the opening-stock form.
#include "cellar/SortaListener.h"
#include "cellar/posoda.h"
#include "frame/VindorWindowAction.h"

#include <memory>

class VindorPropertyPanel;
class VolumeSliderPropertyComponent;
class SortaButtonPropertyComponent;
class ParcelaButtonPropertyComponent;

class VnosZalogXml : public juce::Component,
                     public VindorWindowAction,
                     public juce::Value::Listener,
                     public SortaListener
{
public:
    /** row: an "ITEM" of the opener's rows to edit (not owned), or null for a new wine. */
    explicit VnosZalogXml (juce::XmlElement* row = nullptr);
    ~VnosZalogXml() override;

    void resized() override;
    bool okAction() override;
    bool cancelAction() override;
    /** Save with code 3 (an edited row) answers like Save with code 1. */
    bool editAction() override;
    void valueChanged (juce::Value& value) override;

    /** The slider allows up to the vessel's free space. */
    virtual void setPosodaIDN (posoda vessel);
    /** Fills the row from the form; false with the reason set as the error text, the row untouched. */
    virtual bool prepareXml();

    void setMaxVolume (double litres);
    /** The filled row; a row the form made passes to the caller. */
    juce::XmlElement* takeXml();

    VindorPropertyPanel& getPanel() { return *panel; }
    ParcelaButtonPropertyComponent* getParcelRow() { return parcelRow; }
    VolumeSliderPropertyComponent* getVolumeRow() { return kolicinaRow; }
    juce::Value letnik, kolicina;

private:
    int storedVintage = 0;
    std::unique_ptr<VindorPropertyPanel> panel;
    VolumeSliderPropertyComponent* kolicinaRow = nullptr;
    SortaButtonPropertyComponent* varietyRow = nullptr;
    ParcelaButtonPropertyComponent* parcelRow = nullptr;
    juce::XmlElement* row = nullptr;
    std::unique_ptr<juce::XmlElement> ownedRow;   // set while the form made the row and nobody took it
};
