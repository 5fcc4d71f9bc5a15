#pragma once
// One grape variety as it travels between windows (copied by value, embedded in declarations,
// wines and batches). A default record holds zeros and empty texts, so whoever makes one fills
// the numbers; the empty record that pickers and slots hand out (id -1) comes from empty().
#include <juce_core/juce_core.h>

class SortaRecord
{
public:
    SortaRecord() = default;

    /** The empty record: id -1, no texts, colour 0, red, inactive. */
    static SortaRecord empty();

    bool operator== (const SortaRecord& other) const;
    bool operator!= (const SortaRecord& other) const { return ! (*this == other); }

    int id = 0;
    juce::String sorta;
    juce::String okrajsano;
    int barva = 0;
    int tip = 0;
    bool active = false;
};
