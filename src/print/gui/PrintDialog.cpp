#include "print/gui/PrintDialog.h"
#include "frame/VindorWindow.h"
#include "frame/VindorWindowSetup.h"

#include "core/Log.h"
#include "frame/MessageBoxes.h"
#include "platform/CupsPrinter.h"
#include "widgets/VindorChoicePropertyComponent.h"

namespace
{
// The rows whose typed text the print code divides by or loops over.
const char* const kCheckedKeys[] = { "ncopies", "fontsizenotes", "fontsizetable" };
} // namespace

PrintDialog::PrintDialog (VindorWindowAction* requesterToUse, int flags, const juce::String& prefix)
    : panel (nullptr), requester (requesterToUse)
{
    addAndMakeVisible (panel);
    dialogSettings.setDefaults (prefix);

    auto addRow = [this] (const char* key) {
        if (auto* row = dialogSettings.getComponent (key, {}, {}))
            rows.add (row);
    };
    if ((flags & kFlagPaper) != 0)
        addRow ("papersize");
    addRow ("ncopies");
    if ((flags & kFlagDeliveryNotes) != 0)
        addRow ("dobavnica");
    if ((flags & kFlagLanguage) != 0)
        addRow ("lang");
    if ((flags & kFlagNotesFont) != 0)
        addRow ("fontsizenotes");
    if ((flags & kFlagSummary) != 0)
        addRow ("zbirnik");
    // The printer: one of the scheduler's destinations, or its default (empty). Remembered per
    // prefix like the other choices; the job hands it to CUPS.
    dialogSettings.add ("printer", juce::String(), false, true);
    {
        juce::StringArray names { TRANS ("PrintDestinationDefault") };
        juce::Array<juce::var> destinations { juce::String() };
        for (const auto& name : CupsPrinter::getDestinationNames())
        {
            names.add (name);
            destinations.add (name);
        }
        rows.add (new VindorChoicePropertyComponent (dialogSettings.getValue ("printer"), TRANS ("PrintDestination"),
                                                     names, destinations));
    }
    // The number of header lines is not a dialog key: asking leaves a log line and no row.
    if (auto* row = dialogSettings.getComponent ("headerlines", "headerlines", {}))
        rows.add (row);

    dialogSettings.loadUserSettings();
    VindorPrintSettings defaults;
    defaults.setDefaults (prefix);
    for (auto* key : kCheckedKeys)
    {
        auto& value = dialogSettings.getValue (key);
        // A stored choice that is no longer acceptable starts over from the default.
        if (VindorPrintSettings::checkTypedValue (key, value.getValue()).isNotEmpty())
            value = defaults.getVar (key);
        lastValid.set (key, value.getValue());
        value.addListener (this);
    }
    panel.addProperties (rows);
    setSize (500, 400);
}

PrintDialog::~PrintDialog()
{
    for (auto* key : kCheckedKeys)
        dialogSettings.getValue (key).removeListener (this);
}

void PrintDialog::resized()
{
    panel.setBounds (getLocalBounds());
}

void PrintDialog::valueChanged (juce::Value& value)
{
    for (auto* key : kCheckedKeys)
    {
        auto& own = dialogSettings.getValue (key);
        if (! own.refersToSameSourceAs (value))
            continue;
        const juce::String problem = VindorPrintSettings::checkTypedValue (key, own.getValue());
        if (problem.isEmpty())
        {
            lastValid.set (key, own.getValue());
            return;
        }
        vindoro::vlog ("PrintDialog::valueChanged", "WARNING: refused " + juce::String (key) + "=" + own.getValue().toString());
        own = lastValid[key];
        showMessageOK (vindoro::kIconWarning, TRANS ("Print"), problem, this);
        return;
    }
}

bool PrintDialog::runPrint (bool asPreview)
{
    dialogSettings.getValue ("preview") = asPreview;
    if (requester == nullptr)
    {
        setErrorMessage (TRANS ("Printer not OK!"));
        return false;
    }
    // A value refused a moment ago may still be on its way back; the job must not see it.
    for (auto* key : kCheckedKeys)
        if (VindorPrintSettings::checkTypedValue (key, dialogSettings.getValue (key).getValue()).isNotEmpty())
            dialogSettings.getValue (key) = lastValid[key];
    return requester->printAction (&dialogSettings);
}

bool PrintDialog::previewAction()
{
    vindoro::vlog ("PrintDialog::previewAction", "tukaj");
    const bool result = runPrint (true);
    doneFlag = false;
    vindoro::vlog ("PrintDialog::previewAction", "izhod");
    return result;
}

bool PrintDialog::printAction()
{
    const bool result = runPrint (false);
    doneFlag = result;
    notifyKWindowListener();
    return result;
}

bool PrintDialog::cancelAction()
{
    doneFlag = true;
    notifyKWindowListener();
    return true;
}

void PrintDialog::prepareToClose()
{
    dialogSettings.saveUserSettings();
}

// The framework declares these; they live beside the dialog so the framework needs no print window.
KWindow* VindorWindowSetup::openPrintDialog (VindorWindowAction* requester, int flags, const juce::String& settingsPrefix)
{
    clearButtons();
    addButton (TRANS ("Cancel"), ButtonCode::cancel, true, false);
    addButton (TRANS ("Preview"), ButtonCode::preview, true, false);
    addButton (TRANS ("Print"), ButtonCode::print, true, false);

    auto* dialog = new PrintDialog (requester, flags, settingsPrefix);
    auto* window = VindorWindow::launchModal (TRANS ("Print"), dialog, dynamic_cast<juce::Component*> (requester),
                                              dynamic_cast<juce::Component*> (this));
    currentChild = window;
    return window;
}

PrintDialog* VindorWindowSetup::getPrintDialog()
{
    auto* child = currentChild.get();
    return child != nullptr ? dynamic_cast<PrintDialog*> (child->getAction()) : nullptr;
}
