#pragma once
// Payment references: the Slovenian model SI00 and the ISO 11649 creditor reference RF with
// its mod-97 check digits, and the split of a reference for printing. Free functions of the
// partners subsystem; they keep no state and never fail.
#include <juce_core/juce_core.h>

#include <boost/multiprecision/cpp_int.hpp>

/** "SI00" followed by both numbers in decimal, without separator or check digit. */
juce::String makeReferenceSI00 (int first, int second);
/** "RF", two check digits and the reference with every "-" written as "X" and every character
    other than A-Z, a-z and 0-9 left out, so the printed text is the one the check covers. */
juce::String makeReferenceRF (juce::String reference);
/** Each character by its value: a digit as itself, a letter A..Z as 10..35. */
juce::String lettersToDigits (juce::String text);
/** A text of decimal digits read as one integer of any length (anything else counts as 0). */
boost::multiprecision::cpp_int bigIntegerFromDigits (juce::String digits);
/** "SI.." split after its model ("SI00 715"), "RF.." after the letters ("RF 757X15"), any
    other text unchanged; case-sensitive. */
juce::String formatReferenceForPrint (juce::String reference);
