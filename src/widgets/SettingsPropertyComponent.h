#pragma once
// A property row bound to one key of the user settings file: every accepted change is written at
// once, a setting that needs a restart says so, and a refused value puts the stored text back.
// Owns its inner editor row (made by the subclass); the window owns nothing of its value.
#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

class SettingsPropertyComponent : public juce::PropertyComponent,
                                  public juce::Value::Listener
{
public:
    SettingsPropertyComponent (const juce::String& settingKey, bool needsRestart);
    ~SettingsPropertyComponent() override;

    void paint (juce::Graphics& g) override;
    void resized() override;
    void refresh() override;
    virtual bool checkValue (const juce::Value& v);
    virtual juce::String getInvalidValueMessage (const juce::Value& v);
    void valueChanged (juce::Value& v) override;

    /** The settings file's text for the key (empty when absent); remembers the key. */
    juce::String readSetting (const juce::String& key);
    void saveSettings (const juce::String& key, const juce::String& text);

    juce::Value& getValueObject() { return value; }
    juce::Component* getEditor() const { return editor.get(); }
    const juce::String& getSettingKey() const { return settingKey; }
    bool getNeedsRestart() const { return needsRestart; }

protected:
    /** Takes the inner row that shows and edits the value, and shows it. */
    void setEditor (juce::Component* newEditor);

    std::unique_ptr<juce::Component> editor;
    juce::Value value;
    juce::String settingKey;
    bool needsRestart = false;
};
