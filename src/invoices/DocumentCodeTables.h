#pragma once
// The fixed code lists of documents that browsers and printouts decode: item kinds with their
// description keys, and the four-decimal number text. Owned by the invoices subsystem; the codes
// and keys are fixed, the texts are translated at the time of the call.
#include "invoices/ChoiceTable.h"

/** The 25 item kinds (1-7, 101-118) with the translations of "opis_" + kind name, in table order. */
ChoiceTable makePostavkaTipOpisChoices();

/** The number with four decimals, the decimal point replaced by the translation of "decimalna_vejica". */
juce::String formatDecimal4 (double value);
