#pragma once
// The system's printer queues through libcups: the destinations the print dialog lists, the
// default one, and handing a finished PDF to a queue as one job of one copy. Stands where the
// Windows printer device was; the scheduler is whatever CUPS_SERVER (or the system) names.
#include <juce_core/juce_core.h>

class CupsPrinter
{
public:
    /** The names of every destination the scheduler knows (instances as "name/instance"). */
    static juce::StringArray getDestinationNames();

    /** The scheduler's default destination, or empty when it has none. */
    static juce::String getDefaultDestination();

    /** Prints the file on the named destination (empty: the default) with the job title and one
        copy. Returns the job id, or 0 with the reason in error. */
    static int printFile (const juce::File& file, const juce::String& destination, const juce::String& title,
                          juce::String& error);
};
