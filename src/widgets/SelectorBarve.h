#pragma once
// The colour selector window's content: the colour square with its hue strip. Owned by its
// window; Select and Cancel only tell the opening colour button, which closes the window.
#include "frame/VindorWindowAction.h"

#include <juce_gui_extra/juce_gui_extra.h>

class SelectorBarve : public juce::ColourSelector,
                      public VindorWindowAction
{
public:
    SelectorBarve();
    ~SelectorBarve() override;

    bool okAction() override;
    bool cancelAction() override;
};
