#pragma once
// One grape variety (a row of table `sorta`), carried by value between windows and embedded in
// the declaration, wine and batch records. A default record holds zeros and empty texts; the
// empty record that pickers hand out has id -1, which its maker sets.
#include <juce_core/juce_core.h>

class SortaRecord
{
public:
    int id = 0;
    juce::String sorta;       // the variety's name
    juce::String okrajsano;   // short name
    int barva = 0;            // ARGB colour as stored (a signed 32-bit value)
    int tip = 0;              // 1 white, 0 red
    bool active = false;

    /** All six fields equal, texts exactly. */
    friend bool operator== (const SortaRecord& a, const SortaRecord& b);
    friend bool operator!= (const SortaRecord& a, const SortaRecord& b) { return ! (a == b); }
};
