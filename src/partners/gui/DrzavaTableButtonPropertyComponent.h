#pragma once
// The country picker row: its button shows the picked country's name and opens the country
// browser, choosing (or editing after "Editing", or at once in editing mode). The picker holds
// the pick itself (getDrzava). Owned by its property panel; at most one browser is open.
#include "partners/gui/PregledBazeDrzava.h"
#include "widgets/SpecialTableButtonPropertyComponent.h"

class DrzavaTableButtonPropertyComponent : public SpecialTableButtonPropertyComponent,
                                           public PregledBazeDrzava::Listener
{
public:
    DrzavaTableButtonPropertyComponent (const juce::String& name, const juce::String& buttonText,
                                        const juce::String& tableName, juce::Component* ownerComponent, int editingMode);
    ~DrzavaTableButtonPropertyComponent() override;

    void buttonClicked() override;
    void openSelectBrowser() override;
    void openEditBrowser() override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;
    void setIDN (DrzavaRecord country, int slot) override;

private:
    void launch (PregledBazeDrzava* browser);
    void closeChild();

    int editingMode;
};
