#include "warehouse/gui/TipChoicePropertyComponent.h"

#include "db/SQLtoXml.h"
#include "warehouse/GoodsRecords.h"

TipChoicePropertyComponent* TipChoicePropertyComponent::loadAndCreate (const juce::Value& value, const juce::String& name)
{
    juce::StringArray choices { TRANS ("Not selected") };
    juce::Array<juce::var> values { juce::var (0) };
    {
        SQLtoXml db;
        db.sqlQuery ("SELECT * FROM tip WHERE active>0 AND id<" + juce::String (TipRecord::bulkWine));
        if (auto* data = db.getData())
            for (auto* row : data->getChildWithTagNameIterator ("ITEM"))
            {
                choices.add (row->getStringAttribute ("ime"));
                values.add (row->getIntAttribute ("id", 0));
            }
    }
    return new TipChoicePropertyComponent (value, name, choices, values);
}

TipChoicePropertyComponent::TipChoicePropertyComponent (const juce::Value& value, const juce::String& name,
                                                        const juce::StringArray& choices, const juce::Array<juce::var>& values)
    : VindorChoicePropertyComponent (value, name, choices, values)
{
}

TipChoicePropertyComponent::~TipChoicePropertyComponent() = default;
