#pragma once
// The register of bottle and package models: active models by label with volume and unit. In
// editing mode the label and volume are typed into their cells and the unit chosen in a combo;
// Insert adds a default model (1 l) and Save stores the label, volume and unit of every new or
// changed row. Owned by its window.
#include "widgets/PregledBaze.h"

class PregledBazeModel : public PregledBaze
{
public:
    /** `mode` 1 edits in the cells, 0 only shows. */
    explicit PregledBazeModel (int mode);
    ~PregledBazeModel() override;

    bool insertAction() override;
    juce::Component* refreshComponentForCell (int row, int columnId, bool selected, juce::Component* existing) override;

    static const TableColumnSpec& columnSpec();
    static constexpr const char* kQuery =
        "SELECT model.id AS id,model.oznaka AS oznaka,model.volumen AS volumen,model.enota AS enotaid,"
        "enota.oznaka AS enota FROM model LEFT JOIN enota ON enota.id=model.enota WHERE model.active=1";

    // Result positions of the query, which are the header's column ids.
    static constexpr int kOznakaColumn = 2;
    static constexpr int kVolumenColumn = 3;
    static constexpr int kEnotaColumn = 5;

    /** The unit of a new model. */
    static constexpr int kNewModelUnit = 7;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PregledBazeModel)
};
