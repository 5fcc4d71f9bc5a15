#pragma once
// The batch chooser row: its button names the chosen batch and opens the batch register, for
// picking (one click picks and closes it, "Nova Serija" adds one) or, on the settings page, for
// editing. A picked batch goes into the owner's SerijaListener slot. Owned by its property panel;
// at most one register window is open at a time.
#include "warehouse/GoodsRecords.h"
#include "widgets/TableButtonPropertyComponent.h"

class SerijaButtonPropertyComponent : public TableButtonPropertyComponent
{
public:
    SerijaButtonPropertyComponent (const juce::String& buttonText, const juce::String& rowName, juce::Component* owner,
                                   bool openForEditing, bool countRow);
    ~SerijaButtonPropertyComponent() override;

    /** Above 0: the picking register lists only batches of this vintage or newer. */
    void setSerijaLetnik (int letnik);
    int getSerijaLetnik() const { return letnik; }
    /** Shows the batch (or "Izberi serijo" for none); the owner is not told. */
    void setIDN (SerijaRecord record);
    const SerijaRecord& getSerija() const { return serija; }

    juce::String getButtonText() const override;
    void openSelectBrowser() override;
    void openEditBrowser() override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    KWindow* getOpenBrowser() { return currentChild.get(); }

private:
    SerijaRecord serija;
    juce::String buttonText;
    int letnik = -1;
    bool countRow = false;
};
