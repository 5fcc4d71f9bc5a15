#pragma once
// Texts of bank account numbers shared by the whole program: the stored normal form of an IBAN and
// its display in blocks of four. Owned by the partners subsystem; pure functions that never fail.
#include <juce_core/juce_core.h>

/** The text in capitals, keeping only A-Z and 0-9 (the form in which accounts are stored and compared). */
juce::String normaliseIban (juce::String text);

/** The text cut into pieces of four characters joined by single blanks, no blank at either end. */
juce::String groupByFour (juce::String text);
