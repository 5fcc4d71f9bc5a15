#pragma once
// The storage-entry picker row: its button opens the read-only warehouse plan, and the tile
// picked there goes into slot 1 of the owner's Hramba::Listener and onto the button as its
// warehouse and article. From the plan the person can switch to the stock window to change the
// entries. Owned by its property panel; at most one plan window is open for a row.
#include "frame/VindorWindowSetup.h"
#include "widgets/VindorButtonPropertyComponent.h"

class ArtikelButtonPropertyComponent : public VindorButtonPropertyComponent,
                                       public VindorWindowSetup
{
public:
    ArtikelButtonPropertyComponent (const juce::String& buttonText, const juce::String& propertyName, juce::Component* owner);
    ~ArtikelButtonPropertyComponent() override;

    void buttonClicked() override;
    juce::String getButtonText() const override;
    /** Opens the read-only plan to pick on. */
    virtual void openViewer();
    /** Opens the stock window instead. */
    virtual void openEditor();

    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    int getSlot() const { return slot; }

protected:
    /** The open plan window when it is the one reporting, logged under `method`; null otherwise. */
    KWindow* reportingChild (juce::ChangeBroadcaster* source, const char* method) const;

    juce::Component* owner = nullptr;
    int slot = 1;
    juce::String text;
};
