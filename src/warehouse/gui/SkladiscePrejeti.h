#pragma once
// The goods-received window: the stock window opened from a received invoice. The entry picked
// on its plan (Select) or saved in its received-article dialog goes back to the invoice, which
// reads it with getHramba; on the dialog's route the window answers with Select (7) itself.
#include "warehouse/gui/SkladisceEditor.h"

class SkladiscePrejeti : public SkladisceEditor
{
public:
    SkladiscePrejeti() = default;

    bool buttonAction (int code) override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    /** The entry handed over; the empty one (all ids 0) until then. */
    Hramba getHramba() const { return hramba; }

private:
    Hramba hramba;
};

KWindow* launchSkladiscePrejeti (const juce::String& title, juce::Component* opener, juce::Component* openerSetup);
