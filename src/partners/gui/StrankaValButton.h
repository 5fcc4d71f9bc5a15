#pragma once
// The party picker row that shows the picked party's address block: a read-only text beside a
// button that opens the party browser of its mask and hands the pick to its owner's
// StrankaListener under its slot number. Owned by its property panel; the shown text is the
// caller's Value; at most one browser window is open.
#include "frame/VindorWindowSetup.h"
#include "partners/StrankaRecord.h"
#include "widgets/ValButtonPropertyComponent.h"

class PregledBazeStranka;

class StrankaValButton : public ValButtonPropertyComponent,
                         public VindorWindowSetup
{
public:
    StrankaValButton (int mask, juce::Value& value, const juce::String& name, juce::Component* ownerComponent, int slot,
                      int displayMode);
    ~StrankaValButton() override;

    void buttonClicked() override;
    juce::String getButtonText() const override;
    virtual void openSelectBrowser();
    virtual void openEditBrowser();
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    /** Shows the party's address block as the picked party without telling the owner. */
    void setStranka (const StrankaRecord& party);

    const StrankaRecord& getStranka() const { return stranka; }
    int getMask() const { return mask; }

private:
    void launch (PregledBazeStranka* browser);
    void closeChild();

    juce::Value myValue;
    juce::Component* owner;
    int slot;
    int mask;
    StrankaRecord stranka;
    int displayMode;
};
