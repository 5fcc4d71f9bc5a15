// The dialog rows of print settings. Kept apart from VindorPrintSettings.cpp so that the settings
// themselves stay free of windows; only the print dialog asks for rows.
#include "print/VindorPrintSettings.h"

#include "widgets/LanguageChoice.h"
#include "core/Log.h"
#include "widgets/VindorBooleanPropertyComponent.h"
#include "widgets/VindorChoicePropertyComponent.h"
#include "widgets/VindorTextPropertyComponent.h"

juce::PropertyComponent* VindorPrintSettings::getComponent (const juce::Identifier& key, juce::String name, juce::String text)
{
    const int i = indexOf (key);
    if (i < 0 || ! onDialog[i] || values[i] == nullptr)
    {
        vindoro::vlog ("VindorPrintSettings::getComponent", "property not existing or not on dialog:" + key.toString());
        return nullptr;
    }
    juce::Value& value = *values[i];

    if (key == juce::Identifier ("papersize"))
    {
        const juce::String rowName = name.isEmpty() ? TRANS ("Select Paper") : juce::translate (name);
        const juce::StringArray choices { TRANS ("papersize_A4"), TRANS ("papersize_A4Landscape"), TRANS ("papersize_57mm") };
        return new VindorChoicePropertyComponent (value, rowName, choices, { 0, 1, 2 });
    }
    if (key == juce::Identifier ("lang"))
        return createLanguageChoice (value, name.isEmpty() ? TRANS ("change language") : juce::translate (name));

    juce::String rowName = juce::translate (name);
    juce::String buttonText = juce::translate (text);
    if (name.isEmpty())
    {
        if (key == juce::Identifier ("ncopies"))
            rowName = TRANS ("NumberOfCopies");
        else if (key == juce::Identifier ("dobavnica"))
            rowName = TRANS ("PrintDobavnica");
        else if (key == juce::Identifier ("fontsizenotes"))
            rowName = TRANS ("PrintFontSizeNotes");
        else if (key == juce::Identifier ("zbirnik"))
            rowName = TRANS ("PrintZbirnik");
    }
    if (key == juce::Identifier ("zbirnik") && text.isEmpty())
        buttonText = TRANS ("PrintZbirnikText");

    const juce::var current = value.getValue();
    if (current.isString() || current.isInt() || current.isInt64() || current.isDouble())
        return new VindorTextPropertyComponent (value, rowName, 10, false);
    if (current.isBool())
        return new VindorBooleanPropertyComponent (value, rowName, buttonText);
    return nullptr;
}
