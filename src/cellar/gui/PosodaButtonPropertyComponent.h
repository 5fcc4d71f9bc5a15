#pragma once
// The vessel picker row: its button opens the cellar canvas in view mode, and the first vessel
// clicked there goes into the owner's PosodaListener slot of this row and onto the button.
// Owned by its property panel; at most one picker window is open at a time.
#include "cellar/posoda.h"
#include "frame/VindorWindowSetup.h"
#include "widgets/VindorButtonPropertyComponent.h"

class PosodaButtonPropertyComponent : public VindorButtonPropertyComponent,
                                      public VindorWindowSetup
{
public:
    PosodaButtonPropertyComponent (const juce::String& buttonText, const juce::String& name, juce::Component* owner, int slot);
    ~PosodaButtonPropertyComponent() override;

    /** Opens the vessel picker (a KletViewer). */
    virtual void openViewer();
    /** Opens the cellar layout editor instead. */
    virtual void openEditor();

    /** Shows the vessel on the button. */
    void setPosoda (posoda vessel);
    /** "Cellar label" cellar "Cistern label" label-capacityL, as the button shows a vessel. */
    static juce::String vesselText (const posoda& vessel);

    void buttonClicked() override;
    juce::String getButtonText() const override { return text; }
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    int getSlot() const { return slot; }

private:
    int slot;
    juce::Component* owner;
    juce::String text;
};
