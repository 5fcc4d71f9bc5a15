#pragma once
// An integer user setting bound to its settings key (the invoice delivery-note and discount
// modes). Owned by whoever shows or uses the mode; main thread only. A missing key reads as 1.
#include <juce_core/juce_core.h>

class ModeSetting
{
public:
    explicit ModeSetting (const juce::String& settingsKey) : key (settingsKey) {}
    ModeSetting (const ModeSetting&) = default;
    ModeSetting& operator= (const ModeSetting&) = default;

    /** Reads the key's integer (default 1), keeps it in `value` and returns it. */
    int load();
    /** Writes the integer under the key and keeps it in `value`. */
    void store (int newValue);

    juce::String key;
    juce::var value;
};
