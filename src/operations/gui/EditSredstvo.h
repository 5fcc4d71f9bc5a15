#pragma once
// The dialog that edits an oenological agent: as the add dialog, but its boxes show the kinds the
// agent serves (whatever browser opened it) and Save rewrites the agent's row. Owned by its window.
#include "operations/gui/AddSredstvo.h"

class EditSredstvo : public AddSredstvo
{
public:
    EditSredstvo (const juce::XmlElement* row, int kindMask);
    bool save() override;
};
