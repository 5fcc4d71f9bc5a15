#pragma once
// The measures of one statistics line (sums, averages, extremes, differences, ratios) added up over
// result rows and written into a row element. Owned by the widget kit; rows flagged "deleted" or
// "ign_stats" never count, and composite measures never recurse without end.
#include "widgets/TableColumnSpec.h"

struct StatMeasure
{
    juce::String name;
    StatKind kind = StatKind::none;
    double sum = 0.0;
    double extreme = 0.0;
    int count = 0;
    juce::String left, right;
};

class StatCore
{
public:
    virtual ~StatCore() = default;

    /** Rebuilds the measures from the column spec's statistics lists; `titleKey` gets prefix + "stats_" + the
        last title entry. A spec without statistics changes nothing. */
    void initMeasures (const TableColumnSpec& spec, juce::String& titleKey);
    void resetValues();
    void addRow (const juce::XmlElement* row);
    void writeStats (juce::XmlElement& target);

    StatMeasure& getStats (const juce::String& name);
    int getIndexOfStats (const juce::String& name) const;
    bool hasStats (const juce::String& name) const;

    bool updateRatio (int index, juce::XmlElement& target);
    bool updateDif (int index, juce::XmlElement& target);

    int size() const { return measures.size(); }
    StatMeasure& operator[] (int index) { return measures.getReference (index); }
    const StatMeasure& operator[] (int index) const { return measures.getReference (index); }

private:
    // Computes composite measure `index` after its composite operands; `inProgress` marks the chain
    // being computed so that a measure referring back to itself is caught instead of recursing.
    bool updateComposite (int index, juce::XmlElement& target, StatKind wantedKind, juce::Array<int>& inProgress); // false when not computed

    juce::Array<StatMeasure> measures;
    StatMeasure emptyMeasure;
};
