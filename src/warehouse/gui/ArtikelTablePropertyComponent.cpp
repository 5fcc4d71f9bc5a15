#include "warehouse/gui/ArtikelTablePropertyComponent.h"

#include "core/Log.h"
#include "frame/ButtonRecord.h"
#include "frame/VindorWindow.h"
#include "warehouse/ArtikelListener.h"
#include "warehouse/gui/PregledBazeArtikel.h"

ArtikelTablePropertyComponent::ArtikelTablePropertyComponent (const juce::String& text, const juce::String& name,
                                                              juce::Component* opener)
    : TableButtonPropertyComponent (name, "artikel", opener, false),
      artikel (ArtikelListener::emptyArtikel()),
      buttonText (text)
{
    refresh();
}

ArtikelTablePropertyComponent::~ArtikelTablePropertyComponent() = default;

void ArtikelTablePropertyComponent::openSelectBrowser()
{
    clearButtons();
    addButton (TRANS ("Close"), ButtonCode::cancel, true);
    addButton (TRANS ("Select"), ButtonCode::select, false);
    currentChild = VindorWindow::launchNormal ("artikel", createArtikelBrowser (0), ownerComponent, this);
}

void ArtikelTablePropertyComponent::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    const char* method = "ArtikelTablePropertyComponent::changeListenerCallback";
    vindoro::vlog (method, "doing action");
    auto* child = dynamic_cast<KWindow*> (source);
    if (child == nullptr || child != currentChild.get())
        return;

    switch (child->getExitValue())
    {
        case ButtonCode::select:
        {
            auto* row = child->getAction() != nullptr ? child->getAction()->getSelectedRow() : nullptr;
            if (row == nullptr)
            {
                vindoro::vlog (method, "WARNING: row pointer is empty");
                return;
            }
            buttonText = row->getStringAttribute ("ime");
            ArtikelRecord picked;
            picked.id = row->getIntAttribute ("id", 0);
            picked.ime = row->getStringAttribute ("ime");
            picked.link = row->getIntAttribute ("link", 0);
            picked.link2 = row->getIntAttribute ("link2", 0);
            picked.cena = row->getDoubleAttribute ("cena", 0.0);
            picked.ddv.id = row->getIntAttribute ("ddv", 0);
            picked.enota.id = row->getIntAttribute ("enota", 0);
            picked.parent = row->getIntAttribute ("parent", 0);
            picked.tip.id = row->getIntAttribute ("tip", 0);
            picked.datumkreiranja = row->getStringAttribute ("datumkreiranja");
            picked.active = row->getIntAttribute ("active", 0) != 0;
            artikel = picked;
            if (auto* listener = dynamic_cast<ArtikelListener*> (ownerComponent))
                listener->setArtikelIDN (artikel, 1);
            refresh();
            vindoro::vlog (method, "closing window");
            child->closeKW();
            currentChild = nullptr;
            break;
        }
        case ButtonCode::cancel:
            // Close shuts the window itself; only the reference goes.
            currentChild = nullptr;
            break;
        default:
            break;
    }
}
