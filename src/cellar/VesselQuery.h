#pragma once
// The one SQL text every vessel record is read from. Callers append their WHERE clause (and the
// canvas its GROUP BY) and never change the text itself.
#include <juce_core/juce_core.h>

class VesselQuery
{
public:
    /** The process-wide text, built once. */
    static const juce::String& text();
};
