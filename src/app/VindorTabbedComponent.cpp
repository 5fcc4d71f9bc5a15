#include "app/VindorTabbedComponent.h"

#include "app/PropertiesVindor.h"
#include "app/PropertiesVindor2.h"
#include "app/PropertiesVindor3.h"

using namespace juce;

namespace
{
// The "Logs" tab's page until the journal list is built in: the tabs' background colour.
class TabPage : public Component
{
public:
    void paint (Graphics& g) override { g.fillAll (findColour (TabbedComponent::backgroundColourId)); }
};
} // namespace

VindorTabbedComponent::VindorTabbedComponent (Component* ownerIn)
    : TabbedComponent (TabbedButtonBar::TabsAtTop), owner (ownerIn)
{
    setName ("VindorTabbedComponent");
    const auto colour = findColour (TabbedComponent::backgroundColourId);

    addTab (TRANS ("Logs"), colour, new TabPage(), true);
    addTab (TRANS ("Settings"), colour, new PropertiesVindor (owner), true);
    addTab (TRANS ("Uporabnik"), colour, new PropertiesVindor2 (owner), true);
    addTab (TRANS ("O programu"), colour, new PropertiesVindor3 (owner), true);
}

VindorTabbedComponent::~VindorTabbedComponent() = default;
