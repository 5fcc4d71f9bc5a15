#pragma once
// The editor window of a stored party: the new-party form started from its row, whose Save
// rewrites that row (the accounts first) and keeps the own company's record and the current
// user's settings in step. Owned by its window, opened by the party register on a selected row.
#include "partners/gui/AddStranka.h"

class EditStranka : public AddStranka
{
public:
    /** `row` is the party's row of the party query; its kinds come from the row. */
    EditStranka (const juce::XmlElement* row, int kindMask, juce::Component* owner);
    ~EditStranka() override;

    bool save() override;
};
