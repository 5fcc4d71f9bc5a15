#include "warehouse/gui/SkladiscePrejeti.h"

#include "frame/ButtonRecord.h"
#include "frame/VindorWindow.h"
#include "warehouse/gui/Skladisce.h"
#include "warehouse/gui/SkladisceAddArtikelPrejeti.h"

bool SkladiscePrejeti::buttonAction (int code)
{
    if (childWindow.get() != nullptr)
        return true;
    if (canvas == nullptr)
        return SkladisceEditor::buttonAction (code);
    switch (code)
    {
        case ButtonCode::insert:
        {
            writePositions();
            clearButtons();
            addButton (TRANS ("Cancel"), ButtonCode::cancel);
            addButton (TRANS ("Save"), ButtonCode::ok);
            auto* dialog = new SkladisceAddArtikelPrejeti();
            dialog->setSkladisce (skladisce);
            childWindow = VindorWindow::launchNormal (TRANS ("Dodaj artikel"), dialog, this, this);
            childKind = kChildAddArtikel;
            setDoneFlag (false);
            return true;
        }
        case ButtonCode::select:
            // The invoice expects an entry: without a current tile there is none to hand over.
            if (canvas->getCurrent() == nullptr)
            {
                setErrorMessage (TRANS ("Artikel ni izbran"));
                setDoneFlag (false);
                return false;
            }
            hramba = canvas->getCurrentHramba();
            notifyKWindowListener();
            return true;
        default:
            return SkladisceEditor::buttonAction (code);
    }
}

void SkladiscePrejeti::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    auto* window = childWindow.get();
    if (window == nullptr || dynamic_cast<juce::ChangeBroadcaster*> (window) != source)
        return;
    const int exit = window->getExitValue();
    switch (childKind)
    {
        case kChildAdd:
        case kChildEdit:
        case kChildEditArtikel:
            setArraySkladisca();
            break;
        case kChildAddArtikel:
            // The saved entry goes to the invoice even before it has a tile on the plan.
            if (exit != 0)
                if (auto* dialog = dynamic_cast<SkladisceAddArtikelPrejeti*> (window->getAction()))
                {
                    hramba = dialog->getHramba();
                    setExitValue (ButtonCode::select);
                    notifyKWindowListener();
                }
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

KWindow* launchSkladiscePrejeti (const juce::String& title, juce::Component* opener, juce::Component* openerSetup)
{
    return VindorWindow::launchNormal (title, new SkladiscePrejeti(), opener, openerSetup);
}
