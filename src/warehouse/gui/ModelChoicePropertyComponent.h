#pragma once
// The bottle-model row of the batch dialog: the active models of table `model` by label, in the
// table's order, writing the chosen model id into the window's Value and keeping each model with
// its unit for getIDN. No "none" entry. Owned by its panel; the models are read when it is built.
#include "warehouse/GoodsRecords.h"
#include "widgets/VindorChoicePropertyComponent.h"

class ModelChoicePropertyComponent : public VindorChoicePropertyComponent
{
public:
    /** A new row bound to `value`, owned by the caller. */
    static ModelChoicePropertyComponent* loadAndCreate (const juce::Value& value, const juce::String& name);

    ~ModelChoicePropertyComponent() override;

    /** A copy of the chosen model, or an empty one (id -1, logged) when the Value holds none. */
    ModelRecord getIDN() const;

    static constexpr const char* kQuery =
        "SELECT m.id AS id, m.oznaka as oznaka,m.volumen as volumen,m.enota as enotaid,e.oznaka as enotaoznaka,"
        "e.quantity AS quantity, e.SI as SI FROM model AS m LEFT JOIN enota AS e ON e.id = m.enota WHERE m.active=1;";

private:
    ModelChoicePropertyComponent (const juce::Value& value, const juce::String& name, const juce::StringArray& choices,
                                  const juce::Array<juce::var>& values, std::vector<ModelRecord> models);

    juce::Value chosen;
    juce::Array<juce::var> ids;
    std::vector<ModelRecord> models;
};
