#pragma once
// The dialog that adds a cellar: one name row. Opened by the cellar window's "Dodaj klet".
#include "cellar/gui/KletInput.h"

class KletAdd : public KletInput
{
public:
    KletAdd();
    ~KletAdd() override;

    bool save() override;

    juce::Value& getImeValue() { return ime; }

private:
    juce::Value ime;
};
