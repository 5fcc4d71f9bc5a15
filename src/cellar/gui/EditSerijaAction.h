#pragma once
// The batch dialog over a listed batch: its Save rewrites the batch's row (all but whether it is
// listed), dated now, unless another listed batch already has the same five values.
#include "cellar/gui/CreateSerijaAction.h"

class EditSerijaAction : public CreateSerijaAction
{
public:
    /** A row of the batch query; null leaves a blank dialog. */
    explicit EditSerijaAction (const juce::XmlElement* row);
    bool saveAction() override;
};
