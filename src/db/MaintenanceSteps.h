#pragma once
// The maintenance steps that clean data older versions stored in other forms (levels 0 to 3),
// each in the frame of SchemaStep. Owned by the upgrade chain; they change no schema.
#include "db/UpgradeRun.h"

#include <juce_core/juce_core.h>

namespace vindoro
{
class MaintenanceSteps
{
public:
    /** Returns false when it stopped at a checkpoint on the user's request (no level written). */
    static bool manteinance_from_0_to_1 (UpgradeRun& run, int denominator);
    static void manteinance_from_1_to_2 (UpgradeRun& run);
    static void manteinance_from_2_to_3 (UpgradeRun& run);

    /** A name with its line breaks turned into blanks, doubled blanks halved and the ends trimmed. */
    static juce::String cleanName (const juce::String& name);

    struct Address { juce::String street, number, addition; };
    /** Splits a trailing house number (digits, an optional letter) off a street typed with it;
        false when the street holds no such number and must stay as it is. */
    static bool splitStreet (const juce::String& street, Address& out);
};
} // namespace vindoro
