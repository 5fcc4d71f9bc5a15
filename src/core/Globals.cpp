#include "core/Globals.h"

#include <atomic>

namespace
{
std::atomic<juce::ApplicationProperties*> registeredProperties { nullptr };
std::atomic<VindorLanguage*> registeredLanguage { nullptr };
} // namespace

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

VindorLanguage* getLanguage() { return registeredLanguage.load(); }

void setLanguageObject (VindorLanguage* language) { registeredLanguage.store (language); }
