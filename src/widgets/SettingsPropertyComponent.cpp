#include "widgets/SettingsPropertyComponent.h"
#include "core/Globals.h"
#include "core/Log.h"
#include "frame/MessageBoxes.h"
#include "widgets/VindorPropertyPanel.h"

SettingsPropertyComponent::SettingsPropertyComponent (const juce::String& key, bool restart)
    : juce::PropertyComponent (key, 25)
{
    setPreferredHeight (propertyRowHeight (this));
    value = readSetting (key);
    vindoro::vlog ("SettingsPropertyComponent::SettingsPropertyComponent", "value for " + key + " is " + value.toString());
    // Listening starts after loading, so reading the setting never counts as a change.
    value.addListener (this);
    needsRestart = restart;
}

SettingsPropertyComponent::~SettingsPropertyComponent()
{
    value.removeListener (this);
    editor.reset();
}

void SettingsPropertyComponent::setEditor (juce::Component* newEditor)
{
    editor.reset (newEditor);
    if (editor != nullptr)
    {
        addAndMakeVisible (*editor);
        resized();
    }
}

void SettingsPropertyComponent::paint (juce::Graphics&)
{
    // The inner row fills this one and paints itself.
}

void SettingsPropertyComponent::resized()
{
    if (editor != nullptr)
        editor->setBounds (getLocalBounds());
}

void SettingsPropertyComponent::refresh()
{
    if (auto* pc = dynamic_cast<juce::PropertyComponent*> (editor.get()))
        pc->refresh();
}

bool SettingsPropertyComponent::checkValue (const juce::Value&)
{
    return true;
}

juce::String SettingsPropertyComponent::getInvalidValueMessage (const juce::Value&)
{
    return TRANS ("sprememba ni veljavna");
}

juce::String SettingsPropertyComponent::readSetting (const juce::String& key)
{
    settingKey = key;
    auto* settings = getUserSettings();
    return settings != nullptr ? settings->getValue (key, {}) : juce::String();
}

void SettingsPropertyComponent::saveSettings (const juce::String& key, const juce::String& text)
{
    if (key.isEmpty())
    {
        vindoro::vlog ("SettingsPropertyComponent::saveSettings", "ERROR: empty keyword;");
        return;
    }

    if (auto* settings = getUserSettings())
        settings->setValue (key, text);

    vindoro::vlog ("SettingsPropertyComponent::saveSettings", "value for " + key + " set to " + text);
}

void SettingsPropertyComponent::valueChanged (juce::Value& v)
{
    if (! v.refersToSameSourceAs (value))
        return;

    // The text is read once: what was checked is exactly what is stored.
    const auto text = value.toString();
    const auto stored = readSetting (settingKey);

    // Nothing new: this is the echo of a restore (or of a write of the same text), so no box and
    // no second write; a stored text that itself fails the check cannot start a loop of boxes.
    if (text == stored)
        return;

    if (checkValue (value))
    {
        saveSettings (settingKey, text);

        if (needsRestart)
            showMessageOK (vindoro::kIconInformation, TRANS ("spremembe nastavitev"), TRANS ("changed after restart"), editor.get());
        return;
    }

    const auto reason = getInvalidValueMessage (value);

    if (editor != nullptr)
        showMessageOK (vindoro::kIconWarning, TRANS ("spremembe nastavitev"), reason, editor.get());

    vindoro::vlog ("SettingsPropertyComponent::valueChanged", "napacna vrednost za " + settingKey + " " + reason);
    value = stored;
    vindoro::vlog ("SettingsPropertyComponent::valueChanged", "value for " + settingKey + " restored to " + value.toString());
    refresh();
}
