#include "reports/gui/DDVTableButtonPropertyComponent.h"

#include "core/Log.h"
#include "frame/VindorWindow.h"
#include "reports/gui/PregledBazeDDV.h"

DDVTableButtonPropertyComponent::DDVTableButtonPropertyComponent (const juce::String& name, const juce::String& buttonText,
                                                                  const juce::String& tableName, juce::Component* owner)
    : SpecialTableButtonPropertyComponent (name, buttonText, tableName, owner)
{
}

void DDVTableButtonPropertyComponent::buttonClicked()
{
    vindoro::vlog ("DDVTableButtonPropertyComponent::buttonClicked", "tukaj");
    if (bringChildToFront())
        return;

    openEditBrowser();
    refresh();
}

void DDVTableButtonPropertyComponent::openEditBrowser()
{
    clearButtons();
    addButton (TRANS ("Close"), ButtonCode::cancel);
    addButton (TRANS ("Edit"), ButtonCode::edit);
    addButton (TRANS ("Delete"), ButtonCode::remove);
    addButton (TRANS ("Insert"), ButtonCode::insert);
    launchRateBrowser (true);
}

void DDVTableButtonPropertyComponent::openSelectBrowser()
{
    clearButtons();
    addButton (TRANS ("Close"), ButtonCode::cancel);
    addButton (TRANS ("Print"), ButtonCode::print);
    addButton (TRANS ("Editing"), ButtonCode::edit);
    addButton (TRANS ("Select"), ButtonCode::select, false, true);
    launchRateBrowser (false);
}

void DDVTableButtonPropertyComponent::launchRateBrowser (bool editable)
{
    currentChild = VindorWindow::launchNormal (TRANS ("ddv_naslov_okna"), new PregledBazeDDV (editable), ownerComponent, this);
}
