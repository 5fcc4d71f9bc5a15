#pragma once
// The property rows of an analysis in an operation window's closed "Analize" section: the thirteen
// measures (with their unit choosers where they have units), the note, the grade, the decision and
// its date on a calendar. The rows are new, for the caller's panel to own.
#include "operations/AnalizaValues.h"

#include <juce_gui_basics/juce_gui_basics.h>

/** The rows, in order, bound to the holder, which must outlive them. */
juce::Array<juce::PropertyComponent*> createAnalizaProperties (AnalizaValues& values, juce::Component* owner);
