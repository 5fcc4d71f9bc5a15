#include "widgets/SpecialTableButtonPropertyComponent.h"
#include "frame/ButtonRecord.h"
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
    addButton (TRANS ("Close"), ButtonCode::cancel, true, false);
    addButton (TRANS ("Print"), ButtonCode::print, true, false);
    addButton (TRANS ("Editing"), ButtonCode::edit, true, false);
    addButton (TRANS ("Select"), ButtonCode::select, false, true);
    launchBrowser (new SpecialPregledBaze (browserQuery(), 0));
}

void SpecialTableButtonPropertyComponent::openEditBrowser()
{
    clearButtons();
    addButton (TRANS ("Cancel"), ButtonCode::cancel, true, false);
    addButton (TRANS ("Save"), ButtonCode::saveItem, true, false);
    addButton (TRANS ("Edit"), ButtonCode::edit, true, false);
    addButton (TRANS ("Delete"), ButtonCode::remove, true, false);
    addButton (TRANS ("Insert"), ButtonCode::insert, true, false);
    launchBrowser (new SpecialPregledBaze (browserQuery(), 1));
}
