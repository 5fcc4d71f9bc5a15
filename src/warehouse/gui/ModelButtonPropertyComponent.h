#pragma once
// The settings page's button that keeps the bottle models: it opens the model register in
// editing mode with Cancel, Save, Edit, Delete and Insert, one window at a time (a further click
// brings it to the front); after a Save the register opens afresh. Owned by its property panel.
#include "widgets/TableButtonPropertyComponent.h"

class ModelButtonPropertyComponent : public TableButtonPropertyComponent
{
public:
    ModelButtonPropertyComponent (const juce::String& buttonText, const juce::String& name, juce::Component* opener);
    ~ModelButtonPropertyComponent() override;

    void buttonClicked() override;
    juce::String getButtonText() const override;
    void openEditBrowser() override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

private:
    juce::String buttonText;
};
