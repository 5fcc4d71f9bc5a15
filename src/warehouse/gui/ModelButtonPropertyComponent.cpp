#include "warehouse/gui/ModelButtonPropertyComponent.h"

#include "core/Log.h"
#include "frame/ButtonRecord.h"
#include "frame/VindorWindow.h"
#include "warehouse/gui/PregledBazeModel.h"

ModelButtonPropertyComponent::ModelButtonPropertyComponent (const juce::String& text, const juce::String& name,
                                                            juce::Component* opener)
    : TableButtonPropertyComponent (name, "model", opener, false), buttonText (text)
{
    refresh();
}

ModelButtonPropertyComponent::~ModelButtonPropertyComponent() = default;

juce::String ModelButtonPropertyComponent::getButtonText() const
{
    return buttonText;
}

void ModelButtonPropertyComponent::buttonClicked()
{
    if (bringChildToFront())
        return;
    openEditBrowser();
    refresh();
}

void ModelButtonPropertyComponent::openEditBrowser()
{
    clearButtons();
    addButton (TRANS ("Cancel"), ButtonCode::cancel);
    addButton (TRANS ("Save"), ButtonCode::saveItem);
    addButton (TRANS ("Edit"), ButtonCode::edit);
    addButton (TRANS ("Delete"), ButtonCode::remove);
    addButton (TRANS ("Insert"), ButtonCode::insert);
    currentChild = VindorWindow::launchNormal (TRANS ("modelwindowtitle"), new PregledBazeModel (1), ownerComponent, this);
}

void ModelButtonPropertyComponent::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    auto* child = dynamic_cast<KWindow*> (source);
    if (child == nullptr || child != currentChild.get())
        return;

    switch (child->getExitValue())
    {
        case ButtonCode::saveItem:
            // The stored register is shown fresh, new rows with their ids.
            vindoro::vlog ("ModelButtonPropertyComponent::changeListenerCallback", "save action");
            child->closeKW();
            currentChild = nullptr;
            openEditBrowser();
            break;
        case ButtonCode::cancel:
            currentChild = nullptr;
            break;
        case ButtonCode::edit:
            vindoro::vlog ("ModelButtonPropertyComponent::changeListenerCallback", "edit action");
            break;
        default:
            break;
    }
}
