#pragma once
// The editor window of one bank account: account number and SWIFT code; Save stores the account
// (and its bank) and answers the account browser. Owned by its window; stays open on a refusal.
// Its one party slot, when a party is picked into it, becomes the account's holder.
#include "accounts/IbanRecord.h"
#include "frame/VindorWindowAction.h"
#include "frame/VindorWindowSetup.h"
#include "partners/StrankaListener.h"
#include "widgets/VindorPropertyPanel.h"

class IBANEditor : public juce::Component,
                   public VindorWindowAction,
                   public VindorWindowSetup,
                   public StrankaListener
{
public:
    IBANEditor (IbanRecord account, bool insert);
    ~IBANEditor() override;

    void resized() override;
    bool okAction() override;
    /** Stores the typed values; false with the error message set when refused or failed. */
    virtual bool save();
    void setStrankaIDN (StrankaRecord party, int slot) override;

    /** A copy of the account; after a save it carries its id. */
    IbanRecord getIban() const { return account; }
    juce::Value& getIbanValue() { return ibanValue; }
    juce::Value& getSwiftValue() { return swiftValue; }

private:
    IbanRecord account;
    juce::Value ibanValue;
    juce::Value swiftValue;
    VindorPropertyPanel panel;
    bool insert;
};
