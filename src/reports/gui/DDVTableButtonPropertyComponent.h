#pragma once
// The settings page's button that opens the VAT rate browser: editable with Close, Edit, Delete
// and Insert, or as a picker with Close, Print, Editing and a hidden Select. One browser window
// at a time; a further click brings it to the front. Owned by its property panel.
#include "widgets/SpecialTableButtonPropertyComponent.h"

class DDVTableButtonPropertyComponent : public SpecialTableButtonPropertyComponent
{
public:
    DDVTableButtonPropertyComponent (const juce::String& name, const juce::String& buttonText,
                                     const juce::String& tableName, juce::Component* ownerComponent);

    void buttonClicked() override;
    void openSelectBrowser() override;
    void openEditBrowser() override;

private:
    void launchRateBrowser (bool editable);
};
