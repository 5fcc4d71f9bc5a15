#include "widgets/VindorText2PropertyComponent.h"
#include "print/VindorPrintSettings.h"
#include "widgets/VindorTextPropertyComponent.h"

VindorText2PropertyComponent::VindorText2PropertyComponent (const juce::String& key, const juce::String& name)
    : SettingsPropertyComponent (key, false)
{
    setEditor (new VindorTextPropertyComponent (value, name, 200, false));
}

namespace
{
juce::String problemWith (const juce::String& key, const juce::Value& v)
{
    // A row without a key writes nothing (the base logs it), so there is nothing to check.
    return key.isEmpty() ? juce::String() : VindorPrintSettings::checkTypedValue (key, v.getValue());
}
} // namespace

bool VindorText2PropertyComponent::checkValue (const juce::Value& v)
{
    return problemWith (getSettingKey(), v).isEmpty();
}

juce::String VindorText2PropertyComponent::getInvalidValueMessage (const juce::Value& v)
{
    const auto problem = problemWith (getSettingKey(), v);
    return problem.isNotEmpty() ? problem : SettingsPropertyComponent::getInvalidValueMessage (v);
}
