#pragma once
// The parcel picker row: its button shows the picked parcel's name (or "Izberi parcelo") and opens
// the parcel register, choosing or, after "Editing", editing. The picker holds the pick itself
// (getParcela; id -1 until one is picked). Owned by its property panel; one browser at a time.
#include "cellar/ParcelaRecord.h"
#include "widgets/TableButtonPropertyComponent.h"

class ParcelaButtonPropertyComponent : public TableButtonPropertyComponent
{
public:
    ParcelaButtonPropertyComponent (const juce::String& buttonText, const juce::String& name, juce::Component* owner);
    ~ParcelaButtonPropertyComponent() override;

    juce::String getButtonText() const override;
    void openSelectBrowser() override;
    void openEditBrowser() override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    /** Makes the parcel the picked one and shows its name. */
    virtual void setIDN (ParcelaRecord parcel);
    ParcelaRecord getParcela() const { return parcela; }

private:
    ParcelaRecord parcela;
    juce::String buttonText;
    int slot = 1;
};
