#include "partners/gui/StrankaValButton.h"
#include "core/Log.h"
#include "frame/VindorWindow.h"
#include "partners/StrankaListener.h"
#include "partners/StrankaTexts.h"
#include "partners/gui/PregledBazeStranka.h"

StrankaValButton::StrankaValButton (int kinds, juce::Value& value, const juce::String& name, juce::Component* ownerComponent,
                                    int slotNumber, int mode)
    : ValButtonPropertyComponent (value, name, 2000, true, 0.1, true),
      owner (ownerComponent), slot (slotNumber), mask (kinds), displayMode (mode)
{
    myValue.referTo (value);
    getLabel().setEditable (false, false);
    refresh();
}

StrankaValButton::~StrankaValButton() = default;

juce::String StrankaValButton::getButtonText() const
{
    return "...";
}

void StrankaValButton::buttonClicked()
{
    if (auto* window = dynamic_cast<juce::Component*> (currentChild.get()))
        window->toFront (true);
    else
        openSelectBrowser();
    refresh();
}

void StrankaValButton::launch (PregledBazeStranka* browser)
{
    currentChild = VindorWindow::launchNormal (getStrankaTypeTitle (mask), browser, owner, this);
}

void StrankaValButton::openSelectBrowser()
{
    clearButtons();
    addButton (TRANS ("Close"), ButtonCode::cancel);
    addButton (TRANS ("Editing"), ButtonCode::edit);
    addButton (TRANS ("Select"), ButtonCode::select, false, true);
    launch (new PregledBazeStranka (mask, false));
}

void StrankaValButton::openEditBrowser()
{
    clearButtons();
    addButton (TRANS ("Close"), ButtonCode::cancel);
    addButton (TRANS ("Save"), ButtonCode::saveItem);
    addButton (TRANS ("Edit"), ButtonCode::edit);
    addButton (TRANS ("Delete"), ButtonCode::remove);
    addButton (TRANS ("Insert"), ButtonCode::insert);
    launch (new PregledBazeStranka (mask, true));
}

void StrankaValButton::closeChild()
{
    if (auto* child = currentChild.get())
        child->closeKW();
    currentChild = nullptr;
}

void StrankaValButton::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    auto* child = dynamic_cast<KWindow*> (source);
    if (child == nullptr || child != currentChild.get())
        return;

    switch (child->getExitValue())
    {
        case ButtonCode::select:
        {
            auto* browser = dynamic_cast<PregledBazeStranka*> (child->getAction());
            auto* row = browser != nullptr ? browser->getSelectedRow() : nullptr;
            if (row == nullptr)
            {
                // Nothing picked: the browser stays open for another try.
                vindoro::vlog ("StrankaValButton::changeListenerCallback", "WARNING: row pointer is empty");
                return;
            }
            stranka = PregledBazeStranka::interpretXml (row);
            myValue = getStrankaAddressText (stranka, displayMode);
            if (auto* listener = dynamic_cast<StrankaListener*> (owner))
                listener->setStrankaIDN (stranka, slot);
            refresh();
            closeChild();
            return;
        }
        case ButtonCode::edit:
            closeChild();
            openEditBrowser();
            return;
        case ButtonCode::saveItem:
            closeChild();
            openSelectBrowser();
            return;
        case ButtonCode::cancel:
            currentChild = nullptr;
            return;
        default:
            return;
    }
}

void StrankaValButton::setStranka (const StrankaRecord& party)
{
    stranka = party;
    myValue = getStrankaAddressText (stranka, displayMode);
    refresh();
}
