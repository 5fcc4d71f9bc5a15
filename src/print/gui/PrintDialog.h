#pragma once
// The print dialog: print options of one kind of printout (its prefix) on a property panel,
// handed to the requesting window's print action on Preview or Print. Restores the user's last
// choices for the prefix and stores them when its window closes; typed numbers are checked.
#include "frame/VindorWindowAction.h"
#include "print/VindorPrintSettings.h"
#include "widgets/VindorPropertyPanel.h"

class PrintDialog : public VindorWindowAction, public juce::Component, private juce::Value::Listener
{
public:
    /** flags: 4 language, 8 paper, 16 delivery notes, 64 notes font, 128 summary only; the
        number of copies and the printer (the CUPS destinations) are always shown. */
    PrintDialog (VindorWindowAction* requester, int flags, const juce::String& prefix);
    ~PrintDialog() override;

    using VindorWindowAction::printAction;
    bool cancelAction() override;
    bool previewAction() override;
    bool printAction() override;
    void prepareToClose() override;

    void resized() override;

    VindorPrintSettings& getSettings() { return dialogSettings; }
    VindorPropertyPanel& getPanel() { return panel; }
    /** The rows in panel order. */
    const juce::Array<juce::PropertyComponent*>& getRows() const { return rows; }

    static constexpr int kFlagLanguage = 4;
    static constexpr int kFlagPaper = 8;
    static constexpr int kFlagDeliveryNotes = 16;
    static constexpr int kFlagNotesFont = 64;
    static constexpr int kFlagSummary = 128;

private:
    void valueChanged (juce::Value& value) override;
    bool runPrint (bool asPreview);

    VindorPropertyPanel panel;
    VindorWindowAction* requester;
    VindorPrintSettings dialogSettings;
    juce::Array<juce::PropertyComponent*> rows;
    // The values the checked rows held last while valid, to put back when a typed one is refused.
    juce::NamedValueSet lastValid;

    JUCE_DECLARE_NON_COPYABLE (PrintDialog)
};
