#include "warehouse/gui/ModelChoicePropertyComponent.h"

#include "core/Log.h"
#include "db/SQLtoXml.h"

ModelChoicePropertyComponent* ModelChoicePropertyComponent::loadAndCreate (const juce::Value& value, const juce::String& name)
{
    juce::StringArray labels;
    juce::Array<juce::var> ids;
    std::vector<ModelRecord> models;
    {
        SQLtoXml db;
        if (db.sqlQuery (kQuery) != nullptr && db.getData() != nullptr)
            for (auto* row : db.getData()->getChildIterator())
            {
                ModelRecord m;
                m.id = row->getIntAttribute ("id", 0);
                m.oznaka = row->getStringAttribute ("oznaka");
                m.volumen = row->getDoubleAttribute ("volumen", 0.0);
                m.enota.id = row->getIntAttribute ("enotaid", 0);
                m.enota.oznaka = row->getStringAttribute ("enotaoznaka");
                m.enota.quantity = row->getIntAttribute ("quantity", 0);
                m.enota.SI = row->getDoubleAttribute ("SI", 0.0);
                m.active = true;
                labels.add (m.oznaka);
                ids.add (m.id);
                models.push_back (m);
            }
    }
    return new ModelChoicePropertyComponent (value, name, labels, ids, std::move (models));
}

ModelChoicePropertyComponent::ModelChoicePropertyComponent (const juce::Value& value, const juce::String& name,
                                                            const juce::StringArray& choices,
                                                            const juce::Array<juce::var>& values,
                                                            std::vector<ModelRecord> kept)
    : VindorChoicePropertyComponent (value, name, choices, values), ids (values), models (std::move (kept))
{
    chosen.referTo (value);
}

ModelChoicePropertyComponent::~ModelChoicePropertyComponent() = default;

ModelRecord ModelChoicePropertyComponent::getIDN() const
{
    const int index = ids.indexOf (chosen.getValue());
    if (index < 0)
    {
        vindoro::vlog ("ModelChoicePropertyComponent::getIDN", "WARNING: index not found");
        ModelRecord none;
        none.id = -1;
        return none;
    }
    return models[(size_t) index];
}
