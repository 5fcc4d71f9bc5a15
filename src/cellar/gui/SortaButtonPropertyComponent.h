#pragma once
// The variety picker row of every form that chooses a grape variety: its button names the chosen
// variety and opens the variety register for choosing (or, after "Editing", for editing). The
// chosen variety goes into the owner's SortaListener slot. Owned by its property panel; at most
// one register window is open at a time.
#include "cellar/SortaRecord.h"
#include "widgets/TableButtonPropertyComponent.h"

class SortaButtonPropertyComponent : public TableButtonPropertyComponent
{
public:
    SortaButtonPropertyComponent (const juce::String& buttonText, const juce::String& name,
                                  juce::Component* ownerComponent, int slot);
    ~SortaButtonPropertyComponent() override;

    /** Takes the variety: shows it (or "Izberi sorto" for none) and hands it to the owner's slot. */
    void setIDN (SortaRecord record);
    const SortaRecord& getSorta() const { return sorta; }
    int getSlot() const { return slot; }

    juce::String getButtonText() const override;
    void openSelectBrowser() override;
    void openEditBrowser() override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    /** The variety a register row stands for; missing numbers read 0. */
    static SortaRecord interpretXml (const juce::XmlElement& row);

private:
    SortaRecord sorta = SortaRecord::empty();
    juce::String buttonText;
    int slot;
};
