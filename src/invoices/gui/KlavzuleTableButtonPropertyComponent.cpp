#include "invoices/gui/KlavzuleTableButtonPropertyComponent.h"
#include "frame/VindorWindow.h"
#include "invoices/gui/PregledBazeKlavzule.h"

namespace
{
const char* const kTable = "ddv_klavzule";
} // namespace

KlavzuleTableButtonPropertyComponent::KlavzuleTableButtonPropertyComponent (const juce::String& name, const juce::String& text,
                                                                            juce::Component* parent)
    : TableButtonPropertyComponent (name, kTable, parent, false), buttonText (text)
{
    refresh();
}

KlavzuleTableButtonPropertyComponent::~KlavzuleTableButtonPropertyComponent() = default;

juce::String KlavzuleTableButtonPropertyComponent::getButtonText() const
{
    return buttonText;
}

void KlavzuleTableButtonPropertyComponent::buttonClicked()
{
    if (! bringChildToFront())
        openSelectBrowser();
    refresh();
}

void KlavzuleTableButtonPropertyComponent::openSelectBrowser()
{
    clearButtons();
    addButton (TRANS ("Close"), ButtonCode::cancel);
    addButton (TRANS ("Print"), ButtonCode::print);
    addButton (TRANS ("Editing"), ButtonCode::edit);
    addButton (TRANS ("Select"), ButtonCode::select, false, true);
    currentChild = VindorWindow::launchNormal (kTable, new PregledBazeKlavzule (false), ownerComponent, this);
}

void KlavzuleTableButtonPropertyComponent::openEditBrowser()
{
    clearButtons();
    addButton (TRANS ("Cancel"), ButtonCode::cancel);
    addButton (TRANS ("Save"), ButtonCode::saveItem);
    addButton (TRANS ("Edit"), ButtonCode::edit);
    addButton (TRANS ("Delete"), ButtonCode::remove);
    addButton (TRANS ("Insert"), ButtonCode::insert);
    currentChild = VindorWindow::launchNormal (kTable, new PregledBazeKlavzule (true), ownerComponent, this);
}
