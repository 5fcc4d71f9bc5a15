#pragma once
// A browser that needs no column spec: every column of the query under its own name,
// except the key and the active flag (found by their source-table names). Owned by its window.
#include "widgets/PregledBaze.h"

class SpecialPregledBaze : public PregledBaze
{
public:
    SpecialPregledBaze (const juce::String& query, juce::int32 editable);
    ~SpecialPregledBaze() override;
};
