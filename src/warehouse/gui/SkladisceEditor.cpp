#include "warehouse/gui/SkladisceEditor.h"

#include "core/Globals.h"
#include "core/Log.h"
#include "frame/ButtonRecord.h"
#include "frame/MessageBoxes.h"
#include "frame/VindorWindow.h"
#include "warehouse/PlanWrites.h"
#include "warehouse/gui/Skladisce.h"
#include "warehouse/gui/SkladisceAdd.h"
#include "warehouse/gui/SkladisceAddArtikel.h"
#include "warehouse/gui/SkladisceEditArtikel.h"
#include "warehouse/gui/SkladisceEdit.h"

using vindoro::vlog;

SkladisceEditor::SkladisceEditor()
{
    combo.setEditableText (false);
    combo.setTextWhenNothingSelected (TRANS ("Izberi skladisce"));
    combo.setTextWhenNoChoicesAvailable (TRANS ("Ni nobene skladisca!"));
    combo.addListener (this);
    addAndMakeVisible (combo);
    makeButtons ({ TRANS ("Uredi skladisce"), TRANS ("Dodaj skladisce"), TRANS ("Razporedi artikle"), TRANS ("Pregled Prenosnic") });
    setSize (900, 600);
    setArraySkladisca();
}

SkladisceEditor::~SkladisceEditor()
{
    combo.removeListener (this);
}

void SkladisceEditor::comboBoxChanged (juce::ComboBox* box)
{
    savePositions();
    if (box == &combo)
        showComboChoice (true);
}

void SkladisceEditor::resized()
{
    SkladisceGUI::resized();
    const int h = juce::jmax (20, viewportTop - 2);
    combo.setBounds (0, 0, 150, h);
    int x = 150 + 8;
    for (int i = 1; i <= 4; ++i)
        if (auto* b = getButton (i))
        {
            const int w = getLookAndFeel().getTextButtonWidthToFitText (*b, h);
            b->setBounds (x, 0, w, h);
            x += w + 2;
        }
}

void SkladisceEditor::writePositions()
{
    if (canvas != nullptr)
        canvas->updateNewPositionsToDB();
}

void SkladisceEditor::savePositions()
{
    writePositions();
}

bool SkladisceEditor::buttonAction (int code)
{
    const char* method = "SkladisceEditor::buttonAction";
    if (childWindow.get() != nullptr)
        return true;
    if (code == ButtonCode::cancel)
    {
        writePositions();
        setDoneFlag (true);
        notifyKWindowListener();
        return true;
    }
    if (canvas == nullptr)
    {
        setErrorMessage (TRANS ("Ni nobene skladisca!"));
        setDoneFlag (false);
        return false;
    }
    savePositions();
    setDoneFlag (false);
    switch (code)
    {
        case ButtonCode::edit:
        {
            if (canvas->getCurrent() == nullptr)
            {
                setErrorMessage (TRANS ("Artikel ni izbran"));
                return false;
            }
            clearButtons();
            addButton (TRANS ("Cancel"), ButtonCode::cancel);
            addButton (TRANS ("Save"), ButtonCode::ok);
            childWindow = VindorWindow::launchNormal (TRANS ("Uredi artikel"), new SkladisceEditArtikel (canvas->getCurrentHramba()), this, this);
            childKind = kChildEditArtikel;
            return true;
        }
        case ButtonCode::select:
            notifyKWindowListener();
            return true;
        case ButtonCode::saveItem:
            // The warehouse picker's editor answers with it to go back to its viewer.
            notifyKWindowListener();
            return true;
        case ButtonCode::insert:
        {
            clearButtons();
            addButton (TRANS ("Cancel"), ButtonCode::cancel);
            addButton (TRANS ("Save"), ButtonCode::ok);
            auto* dialog = new SkladisceAddArtikel (false, false);
            dialog->setSkladisce (skladisce);
            childWindow = VindorWindow::launchNormal (TRANS ("Dodaj artikel"), dialog, this, this);
            childKind = kChildAddArtikel;
            return true;
        }
        case ButtonCode::remove:
            if (canvas->getCurrent() == nullptr)
            {
                setErrorMessage (TRANS ("Artikel ni izbran"));
                return false;
            }
            return deleteArtikel();
        case ButtonCode::refresh:
            setArraySkladisca();
            return true;
        default:
            vlog (method, juce::String::formatted ("Action %d not supported yet", code));
            setErrorMessage (juce::String::formatted ("Action %d not supported yet", code));
            return false;
    }
}

bool SkladisceEditor::deleteArtikel()
{
    const auto entry = canvas->getCurrentHramba();
    if (entry.stevilo > 0)
    {
        showMessageOK (vindoro::kIconInformation, TRANS ("Delete"), TRANS ("artikel se polna ne brisem"), this);
        return true;
    }
    if (! askOkCancel (TRANS ("Delete"), TRANS ("Zelis izbrisati artikel") + " " + entry.artikel.ime + " " + TRANS ("izbrisati v skladiscu")
                                             + " " + skladisce.ime + "?", this))
        return true;
    // The count is judged in the database: stock may have arrived since the plan was drawn.
    switch (PlanWrites::withdrawEmpty (*this, entry.id, entry.artikel.id))
    {
        case PlanWrites::Withdrawal::withdrawn:
            setArraySkladisca();
            return true;
        case PlanWrites::Withdrawal::notEmpty:
            showMessageOK (vindoro::kIconInformation, TRANS ("Delete"), TRANS ("artikel se polna ne brisem"), this);
            setArraySkladisca();
            return true;
        case PlanWrites::Withdrawal::failed:
            break;
    }
    setErrorMessage (TRANS ("Pri brisanju artikla je prislo do napake"));
    return false;
}

void SkladisceEditor::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    auto* window = childWindow.get();
    if (window == nullptr || dynamic_cast<juce::ChangeBroadcaster*> (window) != source)
        return;
    const int exit = window->getExitValue();
    switch (childKind)
    {
        case kChildAdd:
            if (exit != 0)
                if (auto* dialog = dynamic_cast<SkladisceAdd*> (window->getAction()))
                    if (dialog->getSkladisce().id > 0)
                        skladisce = dialog->getSkladisce();
            setArraySkladisca();
            break;
        case kChildEdit:
        case kChildEditArtikel:
            setArraySkladisca();
            break;
        case kChildAddArtikel:
            if (exit != 0)
                setArraySkladisca();
            break;
        case kChildSearch:
            if (exit != 0)
                return;
            break;
        default:
            return;
    }
    childWindow = nullptr;
}

void SkladisceEditor::editSkladisce()
{
    clearButtons();
    addButton (TRANS ("Cancel"), ButtonCode::cancel);
    addButton (TRANS ("Save"), ButtonCode::ok);
    auto* dialog = new SkladisceEdit();
    dialog->setSkladisce (skladisce);
    childWindow = VindorWindow::launchNormal (TRANS ("Uredi skladisce"), dialog, this, this);
    childKind = kChildEdit;
}

void SkladisceEditor::addSkladisce()
{
    clearButtons();
    addButton (TRANS ("Cancel"), ButtonCode::cancel);
    addButton (TRANS ("Save"), ButtonCode::ok);
    childWindow = launchSkladisceAdd (TRANS ("Dodaj skladisce"), this, this);
    childKind = kChildAdd;
}

void SkladisceEditor::arrangeArtikli()
{
    if (canvas == nullptr)
        return;
    canvas->arrangeAll();
    setArraySkladisca();
}

bool SkladisceEditor::searchAction()
{
    if (childWindow.get() != nullptr)
        return true;
    vlog ("SkladisceEditor::searchAction", "here");
    clearButtons();
    addButton (TRANS ("Close"), ButtonCode::cancel);
    addButton (TRANS ("Isci artiklo"), ButtonCode::searchArticle);
    childKind = kChildSearch;
    return true;
}

KWindow* launchSkladisceEditor (const juce::String& title, juce::Component* opener, juce::Component* openerSetup)
{
    return VindorWindow::launchNormal (title, new SkladisceEditor(), opener, openerSetup);
}
