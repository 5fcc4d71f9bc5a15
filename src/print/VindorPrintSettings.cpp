#include "print/VindorPrintSettings.h"

#include "core/Globals.h"
#include "core/Log.h"

namespace
{
const juce::String kDefaultPrefix ("printdialog");

void logAs (const char* method, const juce::String& message)
{
    vindoro::vlog (juce::String ("VindorPrintSettings::") + method, message);
}
} // namespace

VindorPrintSettings::VindorPrintSettings()
{
    setPrefix ({});
}

VindorPrintSettings::VindorPrintSettings (const VindorPrintSettings& other) : VindorPrintSettings()
{
    *this = other;
}

VindorPrintSettings& VindorPrintSettings::operator= (const VindorPrintSettings& other)
{
    logAs ("operator =", "tukaj");
    if (this == &other)
        return *this;

    keys.clear();
    values.clear();
    onDialog.clear();
    hasUserSettings.clear();
    setPrefix (other.prefix);
    for (int i = 0; i < other.keys.size(); ++i)
        add (other.keys[i], other.values[i]->getValue(), other.onDialog[i], other.hasUserSettings[i]);
    return *this;
}

VindorPrintSettings::~VindorPrintSettings() = default;

void VindorPrintSettings::setPrefix (const juce::String& p)
{
    prefix = p.isEmpty() ? kDefaultPrefix : p;
}

void VindorPrintSettings::setDefaults (const juce::String& newPrefix)
{
    setPrefix (newPrefix);
    add ("ncopies", 1, true, true);
    add ("papersize", 0, true, true);
    add ("preview", true, false, false);
    add ("title", "title", false, false);
    add ("printname", "printname", false, false);
    add ("lang", 0, true, true);
    add ("dobavnica", 1, true, true);
    add ("fontsizetable", 10.0, true, true);
    add ("fontsizenotes", 10.0, true, true);
    add ("headerlines", 1, false, false);
    add ("headerstyle", 0, false, false);
    add ("tablecellborder", (double) 0.2f, false, false);
    add ("border", 2.0, false, false);
    add ("space", 2.0, false, false);
    add ("zbirnik", false, true, true);
}

void VindorPrintSettings::add (const juce::Identifier& key, const juce::var& value, bool dialog, bool userSetting)
{
    keys.add (key);
    onDialog.add (dialog);
    hasUserSettings.add (userSetting);
    values.add (new juce::Value (value));
}

int VindorPrintSettings::indexOf (const juce::Identifier& key) const
{
    return keys.indexOf (key);
}

juce::Value& VindorPrintSettings::getValue (const juce::Identifier& key)
{
    const int i = indexOf (key);
    if (i < 0)
    {
        logAs ("getValue", "ERROR: ne najdem tega:" + key.toString());
        return missingValue;
    }
    return *values[i];
}

juce::Value& VindorPrintSettings::getValue (int index)
{
    if (! juce::isPositiveAndBelow (index, values.size()))
    {
        logAs ("getValue", "ERROR: ne najdem tega:" + juce::String (index));
        return missingValue;
    }
    return *values[index];
}

juce::String VindorPrintSettings::getKey (int index) const
{
    return juce::isPositiveAndBelow (index, keys.size()) ? keys[index].toString() : juce::String();
}

juce::var VindorPrintSettings::getVar (const juce::Identifier& key) const
{
    const int i = indexOf (key);
    if (i < 0)
    {
        logAs ("getValue", "ERROR: ne najdem tega:" + key.toString());
        return {};
    }
    return values[i]->getValue();
}

juce::String VindorPrintSettings::getString (const juce::Identifier& key)
{
    return getValue (key).getValue().toString();
}

float VindorPrintSettings::getFloat (const juce::Identifier& key)
{
    return (float) (double) getValue (key).getValue();
}

void VindorPrintSettings::setValue (const juce::Identifier& key, const juce::var& value)
{
    const int i = indexOf (key);
    if (i >= 0)
    {
        logAs ("setValue", "updatam shranjene vrednosti:" + values[i]->getValue().toString()
                               + " nova vrednost:" + value.toString());
        values[i]->setValue (value);
    }
    else
    {
        logAs ("setValue", "dodajam nove vrednosti:" + value.toString());
        add (key, value, false, false);
    }
}

void VindorPrintSettings::setOndialog (const juce::Identifier& key, bool dialog)
{
    const int i = indexOf (key);
    if (i < 0)
        logAs ("setOndialog", "ERROR: ne najdem tega:" + key.toString());
    else
        onDialog.set (i, dialog);
}

void VindorPrintSettings::setHasUserSettings (const juce::Identifier& key, bool userSetting)
{
    const int i = indexOf (key);
    if (i < 0)
        logAs ("setHasUserSettings", "ERROR: ne najdem tega:" + key.toString());
    else
        hasUserSettings.set (i, userSetting);
}

bool VindorPrintSettings::isOnDialog (const juce::Identifier& key) const
{
    const int i = indexOf (key);
    return i >= 0 && onDialog[i];
}

bool VindorPrintSettings::hasUserSetting (const juce::Identifier& key) const
{
    const int i = indexOf (key);
    return i >= 0 && hasUserSettings[i];
}

void VindorPrintSettings::update (const VindorPrintSettings& other)
{
    logAs ("update", "Prefix:" + prefix + " size:" + juce::String (keys.size()));
    logAs ("update", "adding Prefix:" + other.prefix + " adding size:" + juce::String (other.keys.size()));
    for (int i = 0; i < other.keys.size(); ++i)
    {
        const auto& key = other.keys[i];
        setValue (key, other.values[i]->getValue());
        setOndialog (key, other.onDialog[i]);
        setHasUserSettings (key, other.hasUserSettings[i]);
        logAs ("update", "property:" + key.toString() + " updated to " + getValue (key).getValue().toString());
    }
}

void VindorPrintSettings::loadUserSettings()
{
    auto* props = getUserSettings();
    if (props == nullptr)
    {
        logAs ("loadUserSettings", "ERROR: no user settings");
        return;
    }
    for (int i = 0; i < keys.size(); ++i)
    {
        if (! hasUserSettings[i] || values[i] == nullptr)
            continue;
        const juce::String name = prefix + ":" + keys[i].toString();
        const juce::var current = values[i]->getValue();
        juce::var loaded;
        if (current.isInt() || current.isInt64())
            loaded = props->getIntValue (name, (int) current);
        else if (current.isDouble())
            loaded = props->getDoubleValue (name, (double) current);
        else if (current.isBool())
            loaded = props->getBoolValue (name, (bool) current);
        else if (current.isString())
            loaded = props->getValue (name, current.toString());
        else
        {
            logAs ("loadUserSettings", "ERROR not implemented yet for:" + name);
            continue;
        }
        if (! loaded.equalsWithSameType (current))
            values[i]->setValue (loaded);
    }
}

void VindorPrintSettings::saveUserSettings()
{
    auto* props = getUserSettings();
    if (props == nullptr)
    {
        logAs ("saveUserSettings", "ERROR: no user settings");
        return;
    }
    for (int i = 0; i < keys.size(); ++i)
        if (hasUserSettings[i] && values[i] != nullptr)
            props->setValue (prefix + ":" + keys[i].toString(), values[i]->getValue());
}

juce::String VindorPrintSettings::checkTypedValue (const juce::Identifier& key, const juce::var& value)
{
    // Rows store what is typed as text; read it the way the print code reads it.
    const juce::String text = value.toString().trim();
    if (key == juce::Identifier ("ncopies"))
    {
        const bool isWhole = text.isNotEmpty() && text.containsOnly ("0123456789");
        const int n = text.getIntValue();
        if (! isWhole || n < 1 || n > kMaxCopies)
            return TRANS ("PrintSettings_ncopies_range");
    }
    else if (key == juce::Identifier ("fontsizetable") || key == juce::Identifier ("fontsizenotes"))
    {
        const double size = text.replaceCharacter (',', '.').getDoubleValue();
        if (! (size > 0.0))
            return TRANS ("PrintSettings_fontsize_positive");
    }
    else if (key.toString().startsWith ("printborder"))
    {
        // The page margins are user settings of the application, typed on its settings page.
        if (text.replaceCharacter (',', '.').getDoubleValue() < 0.0)
            return TRANS ("PrintSettings_margin_negative");
    }
    return {};
}

int VindorPrintSettings::getCopies()
{
    return juce::jlimit (1, kMaxCopies, (int) getValue ("ncopies").getValue());
}
