#pragma once
// Payment references: the Slovenian model SI00 and the ISO 11649 creditor reference RF with
// its mod-97 check digits. Free functions of the partners subsystem; they keep no state.
#include <juce_core/juce_core.h>

/** "SI00" followed by both numbers in decimal, without separator or check digit. */
juce::String makeReferenceSI00 (int first, int second);
/** "RF", two check digits and the reference with every "-" written as "X". */
juce::String makeReferenceRF (juce::String reference);
/** Each character by its value: a digit as itself, a letter A..Z as 10..35. */
juce::String lettersToDigits (juce::String text);
