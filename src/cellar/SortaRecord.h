#pragma once
// One grape variety as it travels between windows (copied by value, embedded in declarations,
// wines and batches). Only the texts are set by construction: whoever makes one fills the numbers.
#include <juce_core/juce_core.h>

class SortaRecord
{
public:
    SortaRecord() = default;

    /** The empty record: id -1, no texts, colour 0, red, inactive. */
    static SortaRecord empty();

    bool operator== (const SortaRecord& other) const;
    bool operator!= (const SortaRecord& other) const { return ! (*this == other); }

    int id = -1;
    juce::String sorta;
    juce::String okrajsano;
    int barva = 0;
    int tip = 0;
    bool active = false;
};
