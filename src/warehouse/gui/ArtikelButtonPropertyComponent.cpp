#include "warehouse/gui/ArtikelButtonPropertyComponent.h"

#include "core/Log.h"
#include "frame/VindorWindow.h"
#include "warehouse/GoodsRecords.h"
#include "warehouse/gui/Skladisce.h"
#include "warehouse/gui/SkladisceEditor.h"
#include "warehouse/gui/SkladisceViewer.h"
#include "widgets/VindorPropertyPanel.h"

using vindoro::vlog;

ArtikelButtonPropertyComponent::ArtikelButtonPropertyComponent (const juce::String& buttonText, const juce::String& propertyName,
                                                                juce::Component* ownerComponent)
    : VindorButtonPropertyComponent (propertyName), owner (ownerComponent), text (buttonText)
{
    setPreferredHeight (propertyRowHeight (this));
    refresh();
}

// An open plan window is left open: it only loses the row it would answer.
ArtikelButtonPropertyComponent::~ArtikelButtonPropertyComponent() = default;

juce::String ArtikelButtonPropertyComponent::getButtonText() const
{
    return text;
}

void ArtikelButtonPropertyComponent::buttonClicked()
{
    if (auto* window = dynamic_cast<juce::Component*> (currentChild.get()))
    {
        window->toFront (true);
        window->grabKeyboardFocus();
        return;
    }
    openViewer();
}

void ArtikelButtonPropertyComponent::openViewer()
{
    clearButtons();
    addButton (TRANS ("Close"), ButtonCode::cancel);
    addButton (TRANS ("Editing"), ButtonCode::edit);
    addButton (TRANS ("Select"), ButtonCode::select, false, true);
    currentChild = launchSkladisceViewer (TRANS ("Artikel"), owner, this);
}

void ArtikelButtonPropertyComponent::openEditor()
{
    clearButtons();
    addButton (TRANS ("Cancel"), ButtonCode::cancel);
    addButton (TRANS ("Edit"), ButtonCode::edit);
    addButton (TRANS ("Delete"), ButtonCode::remove);
    addButton (TRANS ("Insert"), ButtonCode::insert);
    currentChild = launchSkladisceEditor (TRANS ("Artikel"), owner, this);
}

KWindow* ArtikelButtonPropertyComponent::reportingChild (juce::ChangeBroadcaster* source, const char* method) const
{
    vlog (method, "inside");
    if (source == nullptr)
        return nullptr;
    auto* child = currentChild.get();
    if (child == nullptr || source != child)
    {
        vlog (method, "going out");
        return nullptr;
    }
    vlog (method, "SkladisceViewer emitted change");
    return child;
}

void ArtikelButtonPropertyComponent::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    const char* method = "ArtikelButtonPropertyComponent::changeListenerCallback";
    auto* child = reportingChild (source, method);
    if (child == nullptr)
        return;
    switch (child->getExitValue())
    {
        case ButtonCode::select:
        {
            auto* window = dynamic_cast<SkladisceGUI*> (child->getAction());
            auto* canvas = window != nullptr ? window->getCanvas() : nullptr;
            // An empty plan keeps no current tile: the owner keeps what it had.
            if (canvas == nullptr || canvas->isEmpty() || canvas->getCurrent() == nullptr)
                text = TRANS ("Noben artikel ni izbrana!");
            else
            {
                const auto entry = canvas->getCurrentHramba();
                if (auto* listener = dynamic_cast<Hramba::Listener*> (owner))
                    listener->setIDN (entry, slot);
                text = TRANS ("Storage label") + " " + entry.skladisce.ime + " " + TRANS ("artikel label") + " " + entry.artikel.ime;
            }
            refresh();
            child->closeKW();
            currentChild = nullptr;
            return;
        }
        case ButtonCode::edit:
            vlog (method, "edit action");
            vlog (method, "closing window to open new one");
            child->closeKW();
            openEditor();
            return;
        case ButtonCode::saveItem:
            vlog (method, "save action");
            child->closeKW();
            openViewer();
            return;
        case ButtonCode::cancel:
            currentChild = nullptr;
            break;
        default:
            break;
    }
    vlog (method, "going out");
}
