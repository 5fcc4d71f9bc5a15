#include "cellar/gui/ParcelaButtonPropertyComponent.h"
#include "operations/VinoRecord.h"
#include "cellar/gui/PregledBazeParcela.h"
#include "frame/VindorWindow.h"

ParcelaButtonPropertyComponent::ParcelaButtonPropertyComponent (const juce::String& text, const juce::String& name,
                                                                juce::Component* owner)
    : TableButtonPropertyComponent (name, "parcela", owner, false), buttonText (text)
{
    refresh();
}

ParcelaButtonPropertyComponent::~ParcelaButtonPropertyComponent() = default;

juce::String ParcelaButtonPropertyComponent::getButtonText() const
{
    return buttonText;
}

void ParcelaButtonPropertyComponent::openSelectBrowser()
{
    clearButtons();
    addButton (TRANS ("Close"), ButtonCode::cancel);
    addButton (TRANS ("Editing"), ButtonCode::edit);
    addButton (TRANS ("Select"), ButtonCode::select, false, true);
    currentChild = VindorWindow::launchNormal ("parcela", new PregledBazeParcela (false), ownerComponent, this);
}

void ParcelaButtonPropertyComponent::openEditBrowser()
{
    clearButtons();
    addButton (TRANS ("Close"), ButtonCode::cancel);
    addButton (TRANS ("Edit"), ButtonCode::edit);
    addButton (TRANS ("Delete"), ButtonCode::remove);
    addButton (TRANS ("Insert"), ButtonCode::insert);
    currentChild = VindorWindow::launchNormal ("parcela", new PregledBazeParcela (true), ownerComponent, this);
}

void ParcelaButtonPropertyComponent::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    auto* child = dynamic_cast<KWindow*> (source);
    if (child != nullptr && child == currentChild.get() && child->getExitValue() == ButtonCode::select)
    {
        // Closes the browser and forgets it; no row (a second click on the picked one) keeps the pick.
        if (auto* row = callback_getSelectedRow (child, 3))
        {
            setIDN (PregledBazeParcela::interpretXml (row));
            refresh();
        }
        return;
    }
    if (child != nullptr && child == currentChild.get() && child->getExitValue() == ButtonCode::edit)
    {
        // The choosing browser makes way for the editing one.
        child->closeKW();
        currentChild = nullptr;
        openEditBrowser();
        return;
    }
    if (child != nullptr && child == currentChild.get() && child->getExitValue() == ButtonCode::cancel)
    {
        currentChild = nullptr;
        return;
    }
    TableButtonPropertyComponent::changeListenerCallback (source);
}

void ParcelaButtonPropertyComponent::setIDN (ParcelaRecord parcel)
{
    parcela = std::move (parcel);
    buttonText = parcela.id <= 0 ? TRANS ("Izberi parcelo") : parcela.ime;
    // A window that holds a wine keeps the wine's parcel in step with the row.
    if (auto* wines = dynamic_cast<VinoListener*> (ownerComponent))
        wines->takeParcela (parcela);
    refresh();
}
