#pragma once
// The account picker row: its button shows the current account in blocks of four and opens the
// holder's accounts, choosing (or editing after "Editing"). It also collects accounts not stored
// yet (typed, or found in the business register) and stores them with the party. Owned by its
// property panel; at most one browser is open. A window owning it may hear picks as a
// PregledBazeIBAN::Listener (slot 1).
#include "partners/IbanCollection.h"
#include "partners/gui/PregledBazeIBAN.h"
#include "widgets/TableButtonPropertyComponent.h"

class IBANButtonPropertyComponent : public TableButtonPropertyComponent
{
public:
    IBANButtonPropertyComponent (const juce::String& buttonText, const juce::String& propertyName, juce::Component* owner);
    ~IBANButtonPropertyComponent() override;

    juce::String getButtonText() const override;
    void openSelectBrowser() override;
    void openEditBrowser() override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    void setIban (const IbanRecord& account);
    IbanRecord getIban() const { return accounts.getCurrent(); }
    void dodajIBAN (const juce::StringArray& texts) { accounts.dodajIBAN (texts); }
    void fixNosilec (const StrankaRecord& party) { accounts.fixNosilec (party); }
    bool shraniVseIBAN() { return accounts.shraniVseIBAN(); }

    /** The holder, the current account and the collected ones, for the party's save. */
    IbanCollection& getAccounts() { return accounts; }

private:
    void launch (PregledBazeIBAN* browser);
    void closeChild();
    StrankaRecord browserHolder() const;

    IbanCollection accounts;
    juce::String buttonText;
    int slot = 1;
};
