#include "partners/gui/StrankaButtonPropertyComponent.h"
#include "frame/VindorWindow.h"
#include "partners/StrankaListener.h"
#include "partners/StrankaTexts.h"
#include "partners/gui/PregledBazeStranka.h"

StrankaButtonPropertyComponent::StrankaButtonPropertyComponent (int kinds, const juce::String& text,
                                                                const juce::String& name, juce::Component* owner)
    : TableButtonPropertyComponent (name, "stranka", owner, false), mask (kinds), buttonText (text)
{
    refresh();
}

StrankaButtonPropertyComponent::~StrankaButtonPropertyComponent() = default;

juce::String StrankaButtonPropertyComponent::getButtonText() const
{
    return buttonText;
}

void StrankaButtonPropertyComponent::launch (PregledBazeStranka* browser)
{
    currentChild = VindorWindow::launchNormal (getStrankaTypeTitle (mask), browser, ownerComponent, this);
}

void StrankaButtonPropertyComponent::openSelectBrowser()
{
    clearButtons();
    addButton (TRANS ("Close"), ButtonCode::cancel);
    addButton (TRANS ("Editing"), ButtonCode::edit);
    addButton (TRANS ("Select"), ButtonCode::select, false, true);
    launch (new PregledBazeStranka (mask, false));
}

void StrankaButtonPropertyComponent::openEditBrowser()
{
    clearButtons();
    addButton (TRANS ("Close"), ButtonCode::cancel);
    addButton (TRANS ("Edit"), ButtonCode::edit);
    addButton (TRANS ("Delete"), ButtonCode::remove);
    addButton (TRANS ("Insert"), ButtonCode::insert);
    launch (new PregledBazeStranka (mask, true));
}

void StrankaButtonPropertyComponent::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    auto* child = dynamic_cast<KWindow*> (source);
    if (child == nullptr)
        return;
    if (child != currentChild.get() || child->getExitValue() != ButtonCode::select)
    {
        TableButtonPropertyComponent::changeListenerCallback (source);
        return;
    }

    // The browser's window closes here; its rows live until the window is deleted later.
    auto* row = callback_getSelectedRow (child, 3);
    if (row == nullptr)
        return;
    buttonText = row->getStringAttribute ("ime");
    stranka = PregledBazeStranka::interpretXml (row);
    if (auto* listener = dynamic_cast<StrankaListener*> (ownerComponent))
        listener->setStrankaIDN (stranka, slot);
    refresh();
}

void StrankaButtonPropertyComponent::setStranka (const StrankaRecord& party)
{
    stranka = party;
    buttonText = party.ime;
    refresh();
}

void StrankaButtonPropertyComponent::setButtonText (const juce::String& text)
{
    buttonText = text;
    refresh();
}
