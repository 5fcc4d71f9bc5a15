#include "widgets/LanguageChoice.h"
#include "widgets/VindorPropertyPanel.h"

VindorChoicePropertyComponent* createLanguageChoice (const juce::Value& value, const juce::String& rowName)
{
    const juce::StringArray texts { TRANS ("language_combo_2"), TRANS ("language_combo_3"), TRANS ("language_combo_4") };
    const juce::Array<juce::var> numbers { 2, 3, 4 };
    auto* choice = new VindorChoicePropertyComponent (value, rowName, texts, numbers);
    choice->setPreferredHeight (propertyRowHeight (choice));
    return choice;
}
