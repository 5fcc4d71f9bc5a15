#include "widgets/SpecialTableButtonPropertyComponent.h"
#include "app/Log.h"
#include "widgets/SpecialPregledBaze.h"

namespace
{
constexpr int kCodeClose = 0;
constexpr int kCodeEdit = 3;
constexpr int kCodeSave = 4;
constexpr int kCodeDelete = 5;
constexpr int kCodeInsert = 6;
constexpr int kCodeSelect = 7;
constexpr int kCodePrint = 8;
} // namespace

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
    addButton (TRANS ("Close"), kCodeClose, true, false);
    addButton (TRANS ("Print"), kCodePrint, true, false);
    addButton (TRANS ("Editing"), kCodeEdit, true, false);
    addButton (TRANS ("Select"), kCodeSelect, false, true);
    launchBrowser (new SpecialPregledBaze (browserQuery(), 0));
}

void SpecialTableButtonPropertyComponent::openEditBrowser()
{
    clearButtons();
    addButton (TRANS ("Cancel"), kCodeClose, true, false);
    addButton (TRANS ("Save"), kCodeSave, true, false);
    addButton (TRANS ("Edit"), kCodeEdit, true, false);
    addButton (TRANS ("Delete"), kCodeDelete, true, false);
    addButton (TRANS ("Insert"), kCodeInsert, true, false);
    launchBrowser (new SpecialPregledBaze (browserQuery(), 1));
}
