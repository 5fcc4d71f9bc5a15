#pragma once
// The party picker row whose button shows the picked party's name: it opens the party browser of
// its party-kind mask (choosing, or editing after "Editing") and hands the pick to its owner's
// StrankaListener, slot 1. Owned by its property panel; at most one browser window is open.
#include "partners/StrankaRecord.h"
#include "widgets/TableButtonPropertyComponent.h"

class PregledBazeStranka;

class StrankaButtonPropertyComponent : public TableButtonPropertyComponent
{
public:
    StrankaButtonPropertyComponent (int mask, const juce::String& buttonText, const juce::String& name,
                                    juce::Component* ownerComponent);
    ~StrankaButtonPropertyComponent() override;

    juce::String getButtonText() const override;
    void openSelectBrowser() override;
    void openEditBrowser() override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    /** Shows the party as the picked one without telling the owner. */
    void setStranka (const StrankaRecord& party);
    /** Shows the text; the picked party stays as it is. */
    void setButtonText (const juce::String& text);

    const StrankaRecord& getStranka() const { return stranka; }
    int getMask() const { return mask; }
    /** The party kinds later browsers list (a report's reports window changes it per report). */
    void setMask (int newMask) { mask = newMask; }

private:
    void launch (PregledBazeStranka* browser);

    int slot = 1;
    int mask;
    StrankaRecord stranka;
    juce::String buttonText;
};
