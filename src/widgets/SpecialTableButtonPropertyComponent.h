#pragma once
// A ready-made picker over any table with an `active` flag: its browsers list the active rows
// without the key and flag columns. Owned by its property panel, like every picker row.
#include "widgets/TableButtonPropertyComponent.h"

class SpecialTableButtonPropertyComponent : public TableButtonPropertyComponent
{
public:
    SpecialTableButtonPropertyComponent (const juce::String& name, const juce::String& buttonText,
                                         const juce::String& tableName, juce::Component* ownerComponent);
    ~SpecialTableButtonPropertyComponent() override;

    void buttonClicked() override;
    juce::String getButtonText() const override;
    void openSelectBrowser() override;
    void openEditBrowser() override;

    /** The query of both browsers. */
    juce::String browserQuery() const;

protected:
    juce::String buttonText;
};
