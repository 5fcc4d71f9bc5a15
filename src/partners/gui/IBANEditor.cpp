#include "partners/gui/IBANEditor.h"

#include "partners/IbanStore.h"
#include "partners/PaymentReferences.h"
#include "widgets/VindorTextPropertyComponent.h"

IBANEditor::IBANEditor (IbanRecord record, bool inserting)
    : StrankaListener (1), account (std::move (record)), insert (inserting)
{
    ibanValue = groupByFour (account.iban);
    swiftValue = account.banka.swift;

    juce::Array<juce::PropertyComponent*> rows;
    rows.add (new VindorTextPropertyComponent (ibanValue, TRANS ("iban_iban"), 200, false));
    rows.add (new VindorTextPropertyComponent (swiftValue, TRANS ("iban_swift"), 200, false));
    panel.addProperties (rows);
    addAndMakeVisible (panel);
    setSize (600, 300);
}

IBANEditor::~IBANEditor() = default;

void IBANEditor::resized()
{
    panel.setBounds (getLocalBounds());
}

bool IBANEditor::save()
{
    juce::String error;
    if (IbanStore::saveAccount (account, ibanValue.toString(), swiftValue.toString(), insert, error))
        return true;
    setErrorMessage (error);
    return false;
}

bool IBANEditor::okAction()
{
    const bool saved = save();
    setDoneFlag (saved);
    if (saved)
        notifyKWindowListener();
    return saved;
}

void IBANEditor::setStrankaIDN (StrankaRecord party, int slot)
{
    StrankaListener::setStrankaIDN (party, slot);
    account.nosilec = getStranka (1);
}
