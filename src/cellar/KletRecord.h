#pragma once
// One cellar as it travels between windows: its id (-1 none), name and active flag.
#include <juce_core/juce_core.h>

class KletRecord
{
public:
    KletRecord() = default;

    void clear() { *this = KletRecord(); }

    int id = -1;
    juce::String ime;
    bool active = false;
};
