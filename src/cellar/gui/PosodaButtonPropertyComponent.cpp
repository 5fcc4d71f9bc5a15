#include "cellar/gui/PosodaButtonPropertyComponent.h"
#include "cellar/PosodaListener.h"
#include "cellar/gui/KletEditor.h"
#include "cellar/gui/KletViewer.h"
#include "core/Log.h"
#include "core/TextHelpers.h"
#include "frame/VindorWindow.h"
#include "widgets/VindorPropertyPanel.h"

PosodaButtonPropertyComponent::PosodaButtonPropertyComponent (const juce::String& buttonText, const juce::String& name,
                                                              juce::Component* ownerComponent, int slotNumber)
    : VindorButtonPropertyComponent (name), slot (slotNumber), owner (ownerComponent), text (buttonText)
{
    setPreferredHeight (propertyRowHeight (this));
    refresh();
}

PosodaButtonPropertyComponent::~PosodaButtonPropertyComponent()
{
    if (auto* child = currentChild.get())
        child->closeKW();
}

juce::String PosodaButtonPropertyComponent::vesselText (const posoda& vessel)
{
    return TRANS ("Cellar label") + " " + vessel.klet.ime + " " + TRANS ("Cistern label") + " " + vessel.oznaka + "-"
         + formatDecimal (vessel.volumen, 0) + "L";
}

void PosodaButtonPropertyComponent::setPosoda (posoda vessel)
{
    text = vesselText (vessel);
    refresh();
}

void PosodaButtonPropertyComponent::buttonClicked()
{
    if (auto* window = dynamic_cast<juce::Component*> (currentChild.get()))
    {
        window->toFront (true);
        return;
    }
    openViewer();
}

void PosodaButtonPropertyComponent::openViewer()
{
    clearButtons();
    addButton (TRANS ("Close"), ButtonCode::cancel, true, false);
    addButton (TRANS ("Editing"), ButtonCode::edit, true, false);
    addButton (TRANS ("Select"), ButtonCode::select, false, true);
    currentChild = VindorWindow::launchNormal (TRANS ("Posoda"), new KletViewer(), owner, this);
}

void PosodaButtonPropertyComponent::openEditor()
{
    clearButtons();
    addButton (TRANS ("Close"), ButtonCode::cancel, true, false);
    addButton (TRANS ("Edit"), ButtonCode::edit, true, false);
    addButton (TRANS ("Delete"), ButtonCode::remove, true, false);
    addButton (TRANS ("Insert"), ButtonCode::insert, true, false);
    currentChild = launchKletEditor (TRANS ("Posoda"), owner, this);
}

void PosodaButtonPropertyComponent::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    const char* method = "PosodaButtonPropertyComponent::changeListenerCallback";
    vindoro::vlog (method, "inside");
    auto* child = currentChild.get();
    if (child == nullptr || source != child)
    {
        vindoro::vlog (method, "going out");
        return;
    }
    vindoro::vlog (method, "KletViewer emitted change");
    switch (child->getExitValue())
    {
        case ButtonCode::select:
        {
            auto* viewer = dynamic_cast<KletGUI*> (child->getAction());
            auto* canvas = viewer != nullptr ? viewer->getKlet() : nullptr;
            if (canvas == nullptr || ! canvas->hasSelection())
                text = TRANS ("Nobena posoda ni izbrana!");
            else
            {
                const auto picked = canvas->getSelectedPosoda();
                if (auto* listener = dynamic_cast<PosodaListener*> (owner))
                    listener->setPosodaIDN (picked, slot);
                text = vesselText (picked);
            }
            refresh();
            child->closeKW();
            currentChild = nullptr;
            break;
        }
        case ButtonCode::edit:
            vindoro::vlog (method, "edit action");
            vindoro::vlog (method, "closing window to open new one");
            child->closeKW();
            openEditor();
            break;
        case ButtonCode::saveItem:
            vindoro::vlog (method, "save action");
            child->closeKW();
            openViewer();
            break;
        case ButtonCode::cancel:
            currentChild = nullptr;
            break;
        default:
            vindoro::vlog (method, "going out");
            break;
    }
}
