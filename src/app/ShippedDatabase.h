#pragma once
// A new installation starts from the database file delivered with the program: when no
// database is configured and the default file is missing, a copy of the shipped file is
// put in its place, as an installer would.
#include <juce_core/juce_core.h>

namespace vindoro
{
/** The shipped database beside the program: "<resources>/Vindoro.db". */
juce::File shippedDatabaseFile (const juce::File& resourcesFolder);

/** Copies `shipped` to `target` unless `target` exists; true when `target` exists afterwards.
    The copy goes through a temporary file in the same folder, so a failed copy leaves nothing half-written. */
bool installShippedDatabase (const juce::File& shipped, const juce::File& target);
} // namespace vindoro
