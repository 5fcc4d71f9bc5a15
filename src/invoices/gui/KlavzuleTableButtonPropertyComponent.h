#pragma once
// The settings page's button that keeps the VAT clause texts: it opens the clause browser, to
// read (Close, Print, Editing) or, after "Editing", to edit (Cancel, Save, Edit, Delete, Insert).
// One browser window at a time; a further click brings it to the front. Owned by its property panel.
#include "widgets/TableButtonPropertyComponent.h"

class KlavzuleTableButtonPropertyComponent : public TableButtonPropertyComponent
{
public:
    KlavzuleTableButtonPropertyComponent (const juce::String& name, const juce::String& buttonText, juce::Component* parent);
    ~KlavzuleTableButtonPropertyComponent() override;

    void buttonClicked() override;
    juce::String getButtonText() const override;
    void openSelectBrowser() override;
    void openEditBrowser() override;

private:
    juce::String buttonText;
};
