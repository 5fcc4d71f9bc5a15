#include "app/VindorTabbedComponent.h"

#include "app/PropertiesVindor.h"
#include "app/PropertiesVindor2.h"
#include "app/PropertiesVindor3.h"
#include "operations/gui/LogsBox.h"

using namespace juce;

VindorTabbedComponent::VindorTabbedComponent (Component* ownerIn)
    : TabbedComponent (TabbedButtonBar::TabsAtTop), owner (ownerIn)
{
    setName ("VindorTabbedComponent");
    const auto colour = findColour (TabbedComponent::backgroundColourId);

    addTab (TRANS ("Logs"), colour, new LogsBox(), true);
    addTab (TRANS ("Settings"), colour, new PropertiesVindor (owner), true);
    addTab (TRANS ("Uporabnik"), colour, new PropertiesVindor2 (owner), true);
    addTab (TRANS ("O programu"), colour, new PropertiesVindor3 (owner), true);
}

VindorTabbedComponent::~VindorTabbedComponent() = default;

LogsBox* VindorTabbedComponent::getLogsBox() const
{
    return dynamic_cast<LogsBox*> (getTabContentComponent (0));
}
