#include "operations/gui/SredstvoValButton.h"
#include "core/Log.h"
#include "frame/VindorWindow.h"
#include "operations/SredstvoListener.h"
#include "operations/gui/PregledBazeSredstvo.h"

SredstvoValButton::SredstvoValButton (int mask, juce::Value& shownValue, const juce::String& name, juce::Component* ownerComponent,
                                      int slotNumber)
    : ValButtonPropertyComponent (shownValue, name, 200, false, 0.1, true), owner (ownerComponent), slot (slotNumber),
      kindMask (mask)
{
    myValue.referTo (shownValue);
    refresh();
}

SredstvoValButton::~SredstvoValButton() = default;

juce::String SredstvoValButton::getButtonText() const
{
    return "...";
}

void SredstvoValButton::buttonClicked()
{
    if (auto* window = dynamic_cast<juce::Component*> (currentChild.get()))
        window->toFront (true);
    else
        openSelectBrowser();
    refresh();
}

void SredstvoValButton::launch (PregledBazeSredstvo* browser)
{
    currentChild = VindorWindow::launchNormal ("sredstvo", browser, owner, this);
}

void SredstvoValButton::openSelectBrowser()
{
    clearButtons();
    addButton (TRANS ("Close"), ButtonCode::cancel);
    addButton (TRANS ("Editing"), ButtonCode::edit);
    addButton (TRANS ("Select"), ButtonCode::select, false, true);
    launch (new PregledBazeSredstvo (kindMask, false));
}

void SredstvoValButton::openEditBrowser()
{
    clearButtons();
    addButton (TRANS ("Close"), ButtonCode::cancel);
    addButton (TRANS ("Save"), ButtonCode::saveItem);
    addButton (TRANS ("Edit"), ButtonCode::edit);
    addButton (TRANS ("Delete"), ButtonCode::remove);
    addButton (TRANS ("Insert"), ButtonCode::insert);
    launch (new PregledBazeSredstvo (kindMask, true));
}

void SredstvoValButton::closeChild()
{
    if (auto* child = currentChild.get())
        child->closeKW();
    currentChild = nullptr;
}

void SredstvoValButton::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    auto* child = dynamic_cast<KWindow*> (source);
    if (child == nullptr || child != currentChild.get())
        return;
    vindoro::vlog ("SredstvoValButton::changeListenerCallback", "doing action");
    switch (child->getExitValue())
    {
        case ButtonCode::select:
        {
            vindoro::vlog ("SredstvoValButton::changeListenerCallback", "select action");
            auto* browser = dynamic_cast<PregledBaze*> (child->getAction());
            auto* row = browser != nullptr ? browser->getSelectedRow() : nullptr;
            if (row == nullptr)
            {
                // Nothing picked: the register stays open for another try.
                vindoro::vlog ("SredstvoValButton::changeListenerCallback", "WARNING: row pointer is empty");
                return;
            }
            vindoro::vlog ("SredstvoValButton::changeListenerCallback",
                           "selected id:" + juce::String (row->getIntAttribute ("id")) + " oznaka:");
            sredstvo = PregledBazeSredstvo::interpretXml (row);
            myValue = getSredstvoText (sredstvo);
            if (auto* listener = dynamic_cast<SredstvoListener*> (owner))
                listener->setSredstvoIDN (sredstvo, slot);
            refresh();
            vindoro::vlog ("SredstvoValButton::changeListenerCallback", "closing window");
            closeChild();
            return;
        }
        case ButtonCode::edit:
            vindoro::vlog ("SredstvoValButton::changeListenerCallback", "edit action");
            vindoro::vlog ("SredstvoValButton::changeListenerCallback", "closing window to open new one");
            closeChild();
            openEditBrowser();
            return;
        case ButtonCode::saveItem:
            vindoro::vlog ("SredstvoValButton::changeListenerCallback", "save action");
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
