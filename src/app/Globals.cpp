#include "app/Globals.h"

#include <atomic>

namespace
{
std::atomic<juce::ApplicationProperties*> registeredProperties { nullptr };
}

juce::ApplicationProperties* getAppProperties()
{
    return registeredProperties.load();
}

void setAppProperties (juce::ApplicationProperties* properties)
{
    registeredProperties.store (properties);
}

juce::PropertiesFile* getUserSettings()
{
    auto* props = getAppProperties();
    return props != nullptr ? props->getUserSettings() : nullptr;
}
