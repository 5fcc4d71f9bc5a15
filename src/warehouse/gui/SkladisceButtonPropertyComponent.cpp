#include "warehouse/gui/SkladisceButtonPropertyComponent.h"

#include "core/Log.h"
#include "frame/VindorWindow.h"
#include "warehouse/SkladisceListener.h"
#include "warehouse/gui/SkladisceEditor.h"
#include "warehouse/gui/SkladisceViewer.h"

using vindoro::vlog;

void SkladisceButtonPropertyComponent::openViewer()
{
    clearButtons();
    addButton (TRANS ("Close"), ButtonCode::cancel);
    addButton (TRANS ("Editing"), ButtonCode::edit);
    addButton (TRANS ("Select"), ButtonCode::select);
    currentChild = launchSkladisceViewer (TRANS ("Skladisce"), owner, this);
}

void SkladisceButtonPropertyComponent::openEditor()
{
    clearButtons();
    addButton (TRANS ("Close"), ButtonCode::cancel);
    addButton (TRANS ("Save"), ButtonCode::saveItem);
    addButton (TRANS ("Select"), ButtonCode::select);
    currentChild = launchSkladisceEditor (TRANS ("Skladisce"), owner, this);
}

void SkladisceButtonPropertyComponent::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    const char* method = "SkladisceButtonPropertyComponent::changeListenerCallback";
    auto* child = reportingChild (source, method);
    if (child == nullptr)
        return;
    switch (child->getExitValue())
    {
        case ButtonCode::select:
        {
            text = {};
            SkladisceGUI* window = dynamic_cast<SkladisceViewer*> (child->getAction());
            if (window == nullptr)
                window = dynamic_cast<SkladisceEditor*> (child->getAction());
            if (window != nullptr)
            {
                const auto warehouse = window->getSkladisce();
                if (auto* listener = dynamic_cast<SkladisceListener*> (owner))
                    listener->setSkladisceIDN (warehouse, slot);
                text = warehouse.ime;
            }
            else
                vlog (method, "ni izbranega skladisca");
            refresh();
            child->closeKW();
            currentChild = nullptr;
            return;
        }
        case ButtonCode::edit:
            vlog (method, "edit action");
            vlog (method, "closing window to open new one");
            child->closeKW();
            currentChild = nullptr;
            openEditor();
            return;
        case ButtonCode::saveItem:
            vlog (method, "save action");
            child->closeKW();
            currentChild = nullptr;
            openViewer();
            return;
        case ButtonCode::cancel:
            vlog (method, "cancel action");
            currentChild = nullptr;
            break;
        default:
            break;
    }
    vlog (method, "going out");
}
