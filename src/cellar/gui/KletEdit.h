#pragma once
// The dialog that gives the shown cellar a new name. Opened by the cellar window's "Uredi klet".
#include "cellar/gui/KletInput.h"

class KletEdit : public KletInput
{
public:
    KletEdit();
    ~KletEdit() override;

    /** The cellar to rename; its stored name becomes the row's text. */
    void setKlet (int id);
    bool save() override;

    juce::Value& getImeValue() { return ime; }
    int getKletId() const { return kletId; }

private:
    juce::Value ime;
    int kletId = -1;
};
