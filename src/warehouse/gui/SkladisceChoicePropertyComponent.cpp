#include "warehouse/gui/SkladisceChoicePropertyComponent.h"

#include "core/Log.h"
#include "db/SQLtoXml.h"

SkladisceChoicePropertyComponent* SkladisceChoicePropertyComponent::loadAndCreate (const juce::Value& value, const juce::String& name)
{
    const char* method = "SkladisceChoicePropertyComponent::loadAndCreate";
    juce::StringArray choices { TRANS ("Not selected") };
    juce::Array<juce::var> values { juce::var (0) };
    StrankaRecord none;
    none.id = 0;
    std::vector<StrankaRecord> parties { none };
    {
        SQLtoXml db;
        db.sqlQuery ("SELECT * FROM skladisce");
        if (db.getData() == nullptr)
            vindoro::vlog (method, "ERROR: the warehouses could not be read: " + db.lastError);
        else
            for (auto* row : db.getData()->getChildWithTagNameIterator ("ITEM"))
            {
                const int id = row->getIntAttribute ("id", 0);
                if (id < 1)
                    vindoro::vlog (method, "ERROR: id of skladisce is below 1 - it is " + juce::String (id));
                choices.add (row->getStringAttribute ("ime"));
                values.add (id);
                StrankaRecord party;
                party.id = row->getIntAttribute ("konsig", 0);
                parties.push_back (party);
            }
    }
    return new SkladisceChoicePropertyComponent (value, name, choices, values, parties);
}

SkladisceChoicePropertyComponent::SkladisceChoicePropertyComponent (const juce::Value& value, const juce::String& name,
                                                                    const juce::StringArray& choices, const juce::Array<juce::var>& values,
                                                                    const std::vector<StrankaRecord>& consignment)
    : VindorChoicePropertyComponent (value, name, choices, values), bound (value), texts (choices), ids (values), parties (consignment)
{
}

SkladisceChoicePropertyComponent::~SkladisceChoicePropertyComponent() = default;

int SkladisceChoicePropertyComponent::indexOf (const juce::Value& value) const
{
    return ids.indexOf (value.getValue());
}

int SkladisceChoicePropertyComponent::getIndex() const
{
    return indexOf (bound);
}

void SkladisceChoicePropertyComponent::setIndex (int index)
{
    if (juce::isPositiveAndBelow (index, ids.size()))
        bound.setValue (ids[index]);
}

juce::String SkladisceChoicePropertyComponent::getText (const juce::Value& value) const
{
    const int index = indexOf (value);
    if (index < 0)
    {
        vindoro::vlog ("SkladisceChoicePropertyComponent::getText", kNoIndex);
        return {};
    }
    return texts[index];
}

StrankaRecord SkladisceChoicePropertyComponent::getKonsig (const juce::Value& value) const
{
    const int index = indexOf (value);
    if (index < 0 || index >= (int) parties.size())
    {
        vindoro::vlog ("SkladisceChoicePropertyComponent::getKonsig", kNoIndex);
        return {};
    }
    return parties[(size_t) index];
}

SkladisceRecord SkladisceChoicePropertyComponent::getSkladisce() const
{
    SkladisceRecord s;
    s.id = (int) bound.getValue();
    s.ime = getText (bound);
    s.konsig = getKonsig (bound);
    return s;
}

void SkladisceChoicePropertyComponent::setValue (const juce::Value& value)
{
    bound.setValue (value.getValue());
    refresh();
}
