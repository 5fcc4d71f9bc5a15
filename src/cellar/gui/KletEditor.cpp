#include "cellar/gui/KletEditor.h"
#include "cellar/gui/KletAdd.h"
#include "cellar/gui/KletAddPosoda.h"
#include "cellar/gui/KletEdit.h"
#include "cellar/gui/KletEditPosoda.h"
#include "core/Globals.h"
#include "core/Log.h"
#include "frame/LookAndFeel_Vindor.h"
#include "frame/MessageBoxes.h"
#include "frame/VindorWindow.h"

KletEditor::KletEditor()
{
    const int rowHeight = defaultRowHeight();
    chooser.setBounds (0, 0, 150, rowHeight);
    chooser.addListener (this);
    chooser.setTextWhenNothingSelected (TRANS ("Izberi klet"));
    chooser.setTextWhenNoChoicesAvailable (TRANS ("Ni nobene kleti!"));
    addAndMakeVisible (chooser);

    setArrayKleti();

    editButton = std::make_unique<juce::TextButton> (TRANS ("Uredi klet"));
    addkButton = std::make_unique<juce::TextButton> (TRANS ("Dodaj klet"));
    delkButton = std::make_unique<juce::TextButton> (TRANS ("Delete klet"));
    upButton = std::make_unique<juce::TextButton> (TRANS ("Dvigni posodo"));
    downButton = std::make_unique<juce::TextButton> (TRANS ("Spusti posodo"));
    int x = chooser.getWidth() + 8;
    for (auto* button : { editButton.get(), addkButton.get(), delkButton.get(), downButton.get(), upButton.get() })
    {
        button->setTopLeftPosition (x, 0);
        button->changeWidthToFitText (rowHeight);
        button->addListener (this);
        addAndMakeVisible (button);
        x = button->getRight() + 2;
    }
    setControlsEnabled (canvas != nullptr);
}

KletEditor::~KletEditor()
{
    chooser.removeListener (this);
}

void KletEditor::savePositions()
{
    if (canvas != nullptr)
        canvas->updateNewPositionsToDB();
}

void KletEditor::useSaveButtons()
{
    clearButtons();
    addButton (TRANS ("Cancel"), ButtonCode::cancel, true, false);
    addButton (TRANS ("Save"), ButtonCode::ok, true, false);
}

void KletEditor::addKlet()
{
    useSaveButtons();
    addKletWindow = VindorWindow::launchNormal (TRANS ("Dodaj klet"), new KletAdd(), this, this);
    currentChild = addKletWindow;
}

void KletEditor::editKlet()
{
    useSaveButtons();
    auto* dialog = new KletEdit();
    dialog->setKlet (kletId);
    editKletWindow = VindorWindow::launchNormal (TRANS ("Uredi klet"), dialog, this, this);
    currentChild = editKletWindow;
}

void KletEditor::comboBoxChanged (juce::ComboBox* box)
{
    if (box == &chooser && chooser.getSelectedId() > 0)
        showChosenKlet (true);
}

bool KletEditor::buttonAction (int code)
{
    vindoro::vlog ("KletEditor::buttonAction", "here");
    if (currentChild != nullptr)
        return true;

    if (code == ButtonCode::cancel)
    {
        savePositions();
        setDoneFlag (true);
        notifyKWindowListener();
        return true;
    }
    if (canvas == nullptr)
    {
        setDoneFlag (false);
        setErrorMessage (TRANS ("Ni nobene kleti!"));
        return false;
    }
    savePositions();

    switch (code)
    {
        case ButtonCode::edit:
        {
            useSaveButtons();
            setDoneFlag (false);
            if (! canvas->hasSelection())
            {
                setErrorMessage (TRANS ("Ni nobene posode!"));
                return false;
            }
            auto* dialog = new KletEditPosoda();
            dialog->setPosoda (canvas->getSelectedPosoda());
            editPosodaWindow = VindorWindow::launchNormal (TRANS ("Uredi posodo"), dialog, this, this);
            currentChild = editPosodaWindow;
            return true;
        }

        case ButtonCode::saveItem:
            setDoneFlag (false);
            return true;

        case ButtonCode::remove:
        {
            setDoneFlag (false);
            auto* vessel = getSelectedVessel();
            if (vessel == nullptr)
            {
                setErrorMessage (TRANS ("Posoda ni izbrana"));
                return false;
            }
            const auto record = vessel->getPosoda();
            if (record.zaloga > 0.0)
            {
                showMessageOK (vindoro::kIconInformation, TRANS ("Delete"), TRANS ("posoda se polna ne brisem"), this);
                return true;
            }
            const auto question = TRANS ("Zelis izbrisati posodo") + " " + record.oznaka + " " + TRANS ("izbrisati v kleti")
                                + " " + canvas->getIme() + "?";
            if (! askOkCancel (TRANS ("Delete"), question, this))
                return true;
            if (vessel->setActive())
            {
                setArrayKleti();
                return true;
            }
            setErrorMessage (TRANS ("Pri brisanju posode je prislo do napake. ") + vessel->getLastError());
            return false;
        }

        case ButtonCode::insert:
        {
            useSaveButtons();
            setDoneFlag (false);
            auto* dialog = new KletAddPosoda();
            dialog->setKlet (kletId, canvas->getIme());
            addPosodaWindow = VindorWindow::launchNormal (TRANS ("Dodaj posodo"), dialog, this, this);
            currentChild = addPosodaWindow;
            return true;
        }

        case ButtonCode::select:
            setDoneFlag (false);
            if (! canvas->hasSelection())
            {
                setErrorMessage (TRANS ("Ni nobene posode!"));
                return false;
            }
            notifyKWindowListener();
            return true;

        case ButtonCode::refresh:
            setDoneFlag (false);
            setArrayKleti();
            return true;

        default:
            vindoro::vlog ("KletEditor::buttonAction", juce::String::formatted ("ERROR:Action %d not supported yet", code));
            return false;
    }
}

void KletEditor::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    auto* window = dynamic_cast<KWindow*> (source);
    if (window == nullptr)
        return;
    auto forget = [this, window] (KWindowRef& slot)
    {
        slot = nullptr;
        if (currentChild.get() == window)
            currentChild = nullptr;
    };

    if (window == editPosodaWindow.get())
    {
        setArrayKleti();
        forget (editPosodaWindow);
    }
    else if (window == addPosodaWindow.get())
    {
        if (window->getExitValue() != ButtonCode::cancel)
            if (auto* dialog = dynamic_cast<KletAddPosoda*> (window->getAction()))
            {
                const auto added = dialog->getPosoda();
                initKlet (added.klet.id, this);
                canvas->setEditable (true);
                canvas->loadPosode();
                if (added.id > 0)
                    showPosoda (added.id);
            }
        forget (addPosodaWindow);
    }
    else if (window == editKletWindow.get())
    {
        setArrayKleti();
        forget (editKletWindow);
    }
    else if (window == addKletWindow.get())
    {
        setArrayKleti();
        forget (addKletWindow);
    }
}

KWindow* launchKletEditor (const juce::String& title, juce::Component* opener, juce::Component* openerSetup)
{
    auto* window = VindorWindow::launchNormal (title, new KletEditor(), opener, openerSetup);
    // A first opening gets room for a cellar; later ones come back where the user left them.
    auto* settings = getUserSettings();
    if (window != nullptr && (settings == nullptr || ! settings->containsKey (VindorWindow::positionKey (title))))
        window->centreWithSize (900, 700);
    return window;
}
