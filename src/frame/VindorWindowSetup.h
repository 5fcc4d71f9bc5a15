#pragma once
// The opener side of every framework window: fills the button list a child's bar is built
// from, remembers the child and reads its answer. currentChild is weak: it becomes null when the
// child window is deleted, whoever deleted it.
#include "frame/ButtonRecord.h"
#include "frame/KWindow.h"

#include <juce_gui_basics/juce_gui_basics.h>

class VindorWindowAction;
class PrintDialog;

class VindorWindowSetup : public juce::ChangeListener
{
public:
    VindorWindowSetup() = default;
    ~VindorWindowSetup() override;

    void changeListenerCallback (juce::ChangeBroadcaster* source) override;
    /** Whether the child answered with the expected code; mode 0 picks the usual follow-up
        from the answer, 1 forgets the child, 2 closes it, 3 does both. */
    virtual bool checkChildResult (KWindow* source, int expectedCode, int mode);
    /** The row picked in the child's browser (exit value 7), or null. Owned by the browser. */
    virtual juce::XmlElement* callback_getSelectedRow (KWindow* source, int mode);
    virtual KWindow* openPrintDialog (VindorWindowAction* requester, int flags, const juce::String& settingsPrefix);

    void addButton (const juce::String& label, int code, bool visible = true, bool actionOnly = false);
    void clearButtons();
    PrintDialog* getPrintDialog();

    KWindowRef currentChild;
    juce::Array<ButtonRecord> buttonList;

private:
    JUCE_DECLARE_WEAK_REFERENCEABLE (VindorWindowSetup)
};
