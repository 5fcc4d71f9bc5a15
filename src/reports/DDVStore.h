#pragma once
// Storing one VAT rate from the rate editor: the typed rate read, the checks, then one INSERT or
// UPDATE of table ddv. The rate list of DDV is not touched: it shows the change after a restart.
#include "reports/DDVRecord.h"

#include <optional>

namespace DDVStore
{
/** The rate as typed: digits with an optional sign and decimals after the language's separator
    or a point, blanks around allowed. Empty text or anything else that is not wholly a number
    gives nothing, so "9,5x" is never stored as 9. */
std::optional<double> readStopnja (const juce::String& typed);

/** The rate as the statements write it: the shortest decimal form of at most six significant
    digits ("22", "9.5"), independent of any locale. */
juce::String stopnjaSqlText (double stopnja);

/** Checks the description, the typed rate and the kind (1 to 6), in that order, then inserts the
    rate (create; the record gets the new id) or updates the row of record.id. Returns the empty
    text when the rate is stored, else the translated reason; nothing is written after a refusal. */
juce::String save (DDVRecord& record, const juce::String& typedStopnja, bool create);

constexpr int kLowestKind = 1;
constexpr int kHighestKind = 6;
} // namespace DDVStore
