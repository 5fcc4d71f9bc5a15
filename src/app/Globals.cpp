#include "app/Globals.h"
#include "partners/StrankaRecord.h"

#include <atomic>

namespace
{
std::atomic<juce::ApplicationProperties*> registeredProperties { nullptr };
std::atomic<VindorLanguage*> registeredLanguage { nullptr };
std::atomic<StrankaRecord*> registeredPodjetje { nullptr };

StrankaRecord& spareRecord()
{
    static StrankaRecord record;
    return record;
}
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

StrankaRecord& getPodjetje()
{
    auto* record = registeredPodjetje.load();
    return record != nullptr ? *record : spareRecord();
}

void setPodjetjeRecord (StrankaRecord* record) { registeredPodjetje.store (record); }
