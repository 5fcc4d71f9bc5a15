#pragma once
// The options of one print job (copies, paper, preview, title, file name, language, font sizes,
// layout numbers) as parallel arrays of keys, flags and values. Owned by each printing window and
// by the print dialog, copied by value into the print target; the four arrays always stay parallel.
#include <juce_data_structures/juce_data_structures.h>

namespace juce
{
class PropertyComponent;
}

class VindorPrintSettings
{
public:
    VindorPrintSettings();
    VindorPrintSettings (const VindorPrintSettings& other);
    VindorPrintSettings& operator= (const VindorPrintSettings& other);
    ~VindorPrintSettings();

    /** An empty prefix stands for "printdialog". */
    void setPrefix (const juce::String& p);
    juce::String getPrefix() const { return prefix; }

    /** Adds the fifteen standard keys with their defaults; meant for an object without keys. */
    void setDefaults (const juce::String& prefix);

    /** Appends a key; an existing key of the same name is not looked for. */
    void add (const juce::Identifier& key, const juce::var& value, bool onDialog, bool hasUserSettings);

    /** The key's value, or (logged) the shared missing value for an unknown key. */
    juce::Value& getValue (const juce::Identifier& key);
    /** The index-th value, or (logged) the shared missing value for an index outside the keys. */
    juce::Value& getValue (int index);
    /** The index-th key as text; empty outside the keys. */
    juce::String getKey (int index) const;
    int size() const { return keys.size(); }
    bool contains (const juce::Identifier& key) const { return indexOf (key) >= 0; }

    /** The key's value itself (void, logged, for an unknown key), for readers holding a const object. */
    juce::var getVar (const juce::Identifier& key) const;
    juce::String getString (const juce::Identifier& key);
    float getFloat (const juce::Identifier& key);

    /** Writes an existing key's value (its type follows the new value), or adds a new key with
        both flags cleared. */
    void setValue (const juce::Identifier& key, const juce::var& value);
    void setOndialog (const juce::Identifier& key, bool onDialog);
    void setHasUserSettings (const juce::Identifier& key, bool hasUserSetting);
    bool isOnDialog (const juce::Identifier& key) const;
    bool hasUserSetting (const juce::Identifier& key) const;

    /** Lays the other object's keys, values and flags over this one; the prefix stays. */
    void update (const VindorPrintSettings& other);

    void loadUserSettings();
    void saveUserSettings();

    /** The dialog row of a key (owned by the caller), or null for a key that is missing or not
        meant for the dialog. */
    juce::PropertyComponent* getComponent (const juce::Identifier& key, juce::String name, juce::String text);

    /** Checks a value typed for a key: the error text to show, or empty when the value is usable.
        Copies must be 1 to 99, font sizes above 0 and the page margins ("printborder…") not
        negative, so no layout divides by zero or prints beyond the sheet. */
    static juce::String checkTypedValue (const juce::Identifier& key, const juce::var& value);

    /** Copies as a job uses them: "ncopies" held to 1 … 99. */
    int getCopies();

    static constexpr int kMaxCopies = 99;

private:
    int indexOf (const juce::Identifier& key) const;

    juce::String prefix;
    juce::Array<juce::Identifier> keys;
    juce::Array<bool> onDialog;
    juce::Array<bool> hasUserSettings;
    juce::OwnedArray<juce::Value> values;
    juce::Value missingValue;
};
