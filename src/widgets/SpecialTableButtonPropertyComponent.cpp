#include "widgets/SpecialTableButtonPropertyComponent.h"
#include "frame/ButtonRecord.h"
#include "frame/StandardButtons.h"
#include "core/Log.h"
#include "widgets/SpecialPregledBaze.h"

SpecialTableButtonPropertyComponent::SpecialTableButtonPropertyComponent (const juce::String& name, const juce::String& text,
                                                                          const juce::String& table, juce::Component* owner)
    : TableButtonPropertyComponent (name, table, owner, false), buttonText (text)
{
    refresh();
}

SpecialTableButtonPropertyComponent::~SpecialTableButtonPropertyComponent()
{
    buttonText.clear();
}

juce::String SpecialTableButtonPropertyComponent::getButtonText() const
{
    return buttonText;
}

juce::String SpecialTableButtonPropertyComponent::browserQuery() const
{
    return "SELECT * FROM " + tableName + " WHERE active=1";
}

void SpecialTableButtonPropertyComponent::buttonClicked()
{
    vindoro::vlog ("SpecialTableButtonPropertyComponent::buttonClicked", "tukaj");

    if (bringChildToFront())
        return;

    openSelectBrowser();
    refresh();
}

void SpecialTableButtonPropertyComponent::openSelectBrowser()
{
    clearButtons();
    StandardButtons::addPickerBrowseButtons (*this, true);
    launchBrowser (new SpecialPregledBaze (browserQuery(), 0));
}

void SpecialTableButtonPropertyComponent::openEditBrowser()
{
    clearButtons();
    StandardButtons::addPickerEditButtons (*this);
    launchBrowser (new SpecialPregledBaze (browserQuery(), 1));
}
