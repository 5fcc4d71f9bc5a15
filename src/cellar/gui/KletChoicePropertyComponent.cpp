#include "cellar/gui/KletChoicePropertyComponent.h"
#include "core/Log.h"
#include "db/SQLtoXml.h"

KletChoicePropertyComponent* KletChoicePropertyComponent::loadAndCreate (juce::Value value, juce::String name)
{
    juce::StringArray texts { TRANS ("Not selected") };
    juce::Array<juce::var> values { juce::var (0) };
    {
        SQLtoXml db;
        if (auto tree = db.sqlFetch ("SELECT * FROM klet"))
            if (auto* data = tree->getChildByName ("DATA"))
                for (auto* row : data->getChildIterator())
                {
                    const int id = row->getIntAttribute ("id", 0);
                    if (id < 1)
                        vindoro::vlog ("KletChoicePropertyComponent::loadAndCreate",
                                       "ERROR: id of klet is below 1 - it is " + juce::String (id));
                    texts.add (row->getStringAttribute ("ime").trim());
                    values.add (id);
                }
    }
    return new KletChoicePropertyComponent (value, name, texts, values);
}

KletChoicePropertyComponent::KletChoicePropertyComponent (const juce::Value& value, const juce::String& name,
                                                          const juce::StringArray& choiceTexts,
                                                          const juce::Array<juce::var>& choiceValues)
    : VindorChoicePropertyComponent (value, name, choiceTexts, choiceValues), texts (choiceTexts), values (choiceValues)
{
    bound.referTo (value);
}

KletChoicePropertyComponent::~KletChoicePropertyComponent() = default;

void KletChoicePropertyComponent::setIndex (int newIndex)
{
    if (juce::isPositiveAndBelow (newIndex, values.size()))
        bound = values[newIndex];
}

int KletChoicePropertyComponent::getIndex() const
{
    return values.indexOf (bound.getValue());
}

juce::String KletChoicePropertyComponent::getText (const juce::Value& value) const
{
    const int index = values.indexOf (value.getValue());
    if (index < 0)
    {
        vindoro::vlog ("KletChoicePropertyComponent::getText", "FATAL ERROR: index -1");
        return {};
    }
    return texts[index];
}

KletRecord KletChoicePropertyComponent::getKlet() const
{
    KletRecord klet;
    klet.id = (int) bound.getValue();
    klet.ime = getText (bound);
    return klet;
}
