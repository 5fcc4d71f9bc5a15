#include "partners/gui/DrzavaTableButtonPropertyComponent.h"
#include "core/Log.h"
#include "frame/VindorWindow.h"

DrzavaTableButtonPropertyComponent::DrzavaTableButtonPropertyComponent (const juce::String& name, const juce::String& text,
                                                                        const juce::String& table, juce::Component* owner,
                                                                        int mode)
    : SpecialTableButtonPropertyComponent (name, text, table, owner), editingMode (mode)
{
}

DrzavaTableButtonPropertyComponent::~DrzavaTableButtonPropertyComponent() = default;

void DrzavaTableButtonPropertyComponent::buttonClicked()
{
    vindoro::vlog ("DrzavaTableButtonPropertyComponent::buttonClicked", "tukaj");
    if (bringChildToFront())
        return;
    if (editingMode != 0)
        openEditBrowser();
    else
        openSelectBrowser();
    refresh();
}

void DrzavaTableButtonPropertyComponent::launch (PregledBazeDrzava* browser)
{
    currentChild = VindorWindow::launchNormal (TRANS ("drzava_naslov_okna"), browser, ownerComponent, this);
}

void DrzavaTableButtonPropertyComponent::openSelectBrowser()
{
    clearButtons();
    addButton (TRANS ("Close"), ButtonCode::cancel);
    addButton (TRANS ("Print"), ButtonCode::print);
    addButton (TRANS ("Editing"), ButtonCode::edit);
    addButton (TRANS ("Select"), ButtonCode::select, false, true);
    launch (new PregledBazeDrzava (false));
}

void DrzavaTableButtonPropertyComponent::openEditBrowser()
{
    clearButtons();
    addButton (TRANS ("Close"), ButtonCode::cancel);
    addButton (TRANS ("Edit"), ButtonCode::edit);
    addButton (TRANS ("Delete"), ButtonCode::remove);
    addButton (TRANS ("Insert"), ButtonCode::insert);
    launch (new PregledBazeDrzava (true));
}

void DrzavaTableButtonPropertyComponent::closeChild()
{
    if (auto* child = currentChild.get())
        child->closeKW();
    currentChild = nullptr;
}

void DrzavaTableButtonPropertyComponent::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    auto* child = dynamic_cast<KWindow*> (source);
    if (child == nullptr || child != currentChild.get())
        return;
    switch (child->getExitValue())
    {
        case ButtonCode::select:
        {
            auto* browser = dynamic_cast<PregledBazeDrzava*> (child->getAction());
            auto* row = browser != nullptr ? browser->getSelectedRow() : nullptr;
            if (row == nullptr)
            {
                vindoro::vlog ("DrzavaTableButtonPropertyComponent::changeListenerCallback", "WARNING: row pointer is empty");
                return;
            }
            setIDN (PregledBazeDrzava::interpretXml (row), 1);
            closeChild();
            return;
        }
        case ButtonCode::edit:
            closeChild();
            openEditBrowser();
            return;
        case ButtonCode::cancel:
            closeChild();
            return;
        default:
            currentChild = nullptr;
            return;
    }
}

void DrzavaTableButtonPropertyComponent::setIDN (DrzavaRecord country, int slot)
{
    PregledBazeDrzava::Listener::setIDN (country, slot);
    buttonText = country.ime;
    refresh();
}
