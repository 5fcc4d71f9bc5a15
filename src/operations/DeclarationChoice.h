#pragma once
// The declaration a wine window's open "Tipizacija" section gives its vessel.
#include "cellar/TipizacijaRecord.h"

#include <optional>

/** The vessel's own declaration when variety, vintage and grade agree with it, else a new one
    (id -1) of the section's values. Empty, with the refusal's language key in `refusal`, when
    the variety or the vintage is missing. */
std::optional<TipizacijaRecord> declarationFromSection (const SortaRecord& variety, const juce::String& vintage, int grade,
                                                        const TipizacijaRecord& current, const char*& refusal);

/** The declaration a save into one vessel gives it: the open section's (as above), or with the
    section closed none at all, which is refused with "Tipizacija ni izbrana" while the vessel
    holds `otherVarieties` other varieties. An undeclared vessel keeps its record as it is. */
std::optional<TipizacijaRecord> declarationForVessel (bool sectionOpen, const SortaRecord& variety, const juce::String& vintage,
                                                      int grade, const TipizacijaRecord& current, int otherVarieties,
                                                      const char*& refusal);
