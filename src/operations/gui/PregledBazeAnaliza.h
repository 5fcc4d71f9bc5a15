#pragma once
// The browser of wine analyses, newest first: each row with the date of its journal entry, the
// wine and vessels the entry moved, and every measure followed by its unit; all active analyses,
// or those whose decision text contains a filter. Not editable; owned by its window.
#include "widgets/PregledBaze.h"

class PregledBazeAnaliza : public PregledBaze
{
public:
    PregledBazeAnaliza();
    explicit PregledBazeAnaliza (const juce::String& filter);
    ~PregledBazeAnaliza() override;

    /** The query of the browser for a filter (empty: every active analysis). */
    static juce::String queryFor (const juce::String& filter);
    static const TableColumnSpec& columnSpec();
};
