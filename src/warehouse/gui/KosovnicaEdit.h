#pragma once
// The dialog that adds one component line to a product's bill of materials: the component picked
// on a warehouse plan, shown by name, batch and warehouse, and the pieces of it per product piece
// on a slider whose maximum is what the component's stock allows. The booking is KosovnicaAdd's.
// The component comes from the picker row over the read-only plan. Owned by its window; the
// owner browser holds the product's entry and outlives the dialog.
#include "frame/VindorWindowAction.h"
#include "warehouse/GoodsRecords.h"
#include "widgets/VindorPropertyPanel.h"

class PregledBazeKosovnica;
class VolumeSliderPropertyComponent;

class KosovnicaEdit : public juce::Component,
                      public VindorWindowAction,
                      public Hramba::Listener
{
public:
    explicit KosovnicaEdit (PregledBazeKosovnica* owner);
    ~KosovnicaEdit() override;

    void resized() override;
    bool insertAction() override;
    void setIDN (Hramba entry, int slot) override;

    juce::Value& getKolicinaValue() { return kolicina; }
    juce::Value& getImeValue() { return ime; }
    juce::Value& getSkladisceValue() { return skladisce; }
    juce::Value& getSerijaValue() { return serija; }
    VolumeSliderPropertyComponent* getSlider() const { return slider; }

private:
    juce::Component::SafePointer<PregledBazeKosovnica> owner;
    VindorPropertyPanel panel;
    VolumeSliderPropertyComponent* slider = nullptr;
    juce::Value kolicina, ime, skladisce, serija;
};
