#include "app/UporabnikButtonPropertyComponent.h"

#include "core/Globals.h"
#include "core/Log.h"
#include "core/ProductInfo.h"
#include "frame/KWindow.h"
#include "partners/StripTaxPrefix.h"
#include "partners/gui/PregledBazeStranka.h"

namespace
{
// A party is a user of the program when this bit of its kinds is set.
constexpr int kUserMask = 1;

void log (const juce::String& message)
{
    vindoro::vlog ("UporabnikButtonPropertyComponent::changeListenerCallback", message);
}
} // namespace

UporabnikButtonPropertyComponent::UporabnikButtonPropertyComponent (juce::Component* ownerIn)
    : StrankaButtonPropertyComponent (kUserMask, "Uporabnik", TRANS ("Uporabnik"), ownerIn), owner (ownerIn)
{
    auto* settings = getUserSettings();
    buttonText = settings != nullptr && settings->containsKey ("uporabnik") ? settings->getValue ("uporabnik")
                                                                            : TRANS ("Click to select...");
    refresh();
}

UporabnikButtonPropertyComponent::~UporabnikButtonPropertyComponent() = default;

juce::String UporabnikButtonPropertyComponent::getButtonText() const
{
    return buttonText;
}

juce::String UporabnikButtonPropertyComponent::titleWithName (const juce::String& name)
{
    return juce::String (vindoro::kProductName) + " (" + name + ")";
}

void UporabnikButtonPropertyComponent::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    log ("doing action");
    if (source == nullptr)
        return;

    auto* child = dynamic_cast<KWindow*> (source);
    if (child != nullptr && child == currentChild.get())
    {
        if (child->getExitValue() == ButtonCode::select)
        {
            log ("select action");
            if (auto* browser = dynamic_cast<PregledBazeStranka*> (child->getAction()))
            {
                auto* row = browser->getSelectedRow();
                if (row == nullptr)
                {
                    log ("WARNING: row pointer is empty");
                    return;
                }

                const auto name = row->getStringAttribute ("ime");
                buttonText = name;
                if (auto* settings = getUserSettings())
                {
                    settings->setValue ("uporabnik:id", row->getIntAttribute ("id", 0));
                    settings->setValue ("uporabnik", name);
                    settings->setValue ("uporabnik:tax", stripTaxPrefix (row->getStringAttribute ("davcna")));
                }
                if (auto* top = getTopLevelComponent(); top != nullptr && top != this)
                    top->setName (titleWithName (name));
            }

            log ("closing window");
            child->closeKW();
            currentChild = nullptr;
            refresh();
            return;
        }

        if (child->getExitValue() == ButtonCode::cancel)
            currentChild = nullptr;
        StrankaButtonPropertyComponent::changeListenerCallback (source);
    }

    log ("done");
}
