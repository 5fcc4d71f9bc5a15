#pragma once
// The language row of the print dialog: a choice of the three languages bound to a Value that
// receives the language number (2, 3 or 4). Owned by the panel it is put in.
#include "widgets/VindorChoicePropertyComponent.h"

/** A new choice row named `rowName`, bound to `value`, offering the translations of
    "language_combo_2", "language_combo_3" and "language_combo_4" for the numbers 2, 3 and 4. */
VindorChoicePropertyComponent* createLanguageChoice (const juce::Value& value, const juce::String& rowName);
