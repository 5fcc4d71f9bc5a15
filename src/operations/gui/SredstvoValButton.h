#pragma once
// The agent picker row of a treatment: the picked agent's text beside a "..." button that opens
// the register of the agents of its kind mask and hands the pick to its owner's SredstvoListener
// under its slot. Owned by its property panel; the shown text is the caller's Value; at most one
// register window is open.
#include "frame/VindorWindowSetup.h"
#include "operations/SredstvoRecord.h"
#include "widgets/ValButtonPropertyComponent.h"

class PregledBazeSredstvo;

class SredstvoValButton : public ValButtonPropertyComponent,
                          public VindorWindowSetup
{
public:
    SredstvoValButton (int kindMask, juce::Value& shownValue, const juce::String& name, juce::Component* owner, int slot);
    ~SredstvoValButton() override;

    void buttonClicked() override;
    juce::String getButtonText() const override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;
    virtual void openSelectBrowser();
    virtual void openEditBrowser();

    const SredstvoRecord& getSredstvo() const { return sredstvo; }
    int getKindMask() const { return kindMask; }
    int getSlot() const { return slot; }

private:
    void launch (PregledBazeSredstvo* browser);
    void closeChild();

    juce::Value myValue;
    juce::Component* owner;
    int slot;
    int kindMask;
    SredstvoRecord sredstvo;
};
