#include "warehouse/gui/KvalitetaChoicePropertyComponent.h"

#include "core/Log.h"
#include "db/SQLtoXml.h"

KvalitetaChoicePropertyComponent* KvalitetaChoicePropertyComponent::loadAndCreate (const juce::Value& value,
                                                                                    const juce::String& name)
{
    juce::StringArray labels;
    juce::Array<juce::var> ids;
    {
        SQLtoXml db;
        if (db.sqlQuery ("SELECT * FROM kvaliteta;") != nullptr && db.getData() != nullptr)
            for (auto* row : db.getData()->getChildIterator())
            {
                labels.add (row->getStringAttribute ("oznaka"));
                ids.add (row->getIntAttribute ("id", 0));
            }
    }
    return new KvalitetaChoicePropertyComponent (value, name, labels, ids);
}

KvalitetaChoicePropertyComponent::KvalitetaChoicePropertyComponent (const juce::Value& value, const juce::String& name,
                                                                    const juce::StringArray& choices,
                                                                    const juce::Array<juce::var>& values)
    : VindorChoicePropertyComponent (value, name, choices, values), ids (values)
{
    chosen.referTo (value);
}

KvalitetaChoicePropertyComponent::~KvalitetaChoicePropertyComponent() = default;

int KvalitetaChoicePropertyComponent::getID() const
{
    const int index = ids.indexOf (chosen.getValue());
    if (index < 0)
    {
        vindoro::vlog ("KvalitetaChoicePropertyComponent::getID", "WARNING: index not found");
        return -1;
    }
    return (int) ids[index];
}
