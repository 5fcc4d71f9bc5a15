#pragma once
// One VAT rate as it travels between windows (copied by value, embedded in the vessel and article
// records). An empty record holds no rate: id -1, rate 0, no text, kind 0, inactive.
#include <juce_core/juce_core.h>

class DDVRecord
{
public:
    DDVRecord() = default;

    /** The rate of a result row, read by the attribute names id, opis, tip, stopnja and active;
        a missing attribute reads as 0, empty or false (so a row without "id" gives 0, not -1).
        Without a row the record stays empty. */
    static DDVRecord fromRow (const juce::XmlElement* row);

    bool isEmpty() const { return id == -1; }

    juce::int32 id = -1;
    double stopnja = 0.0;
    juce::String opis;
    juce::int32 tip = 0;
    bool active = false;
};
