#pragma once
// The editor window of a new party: names, address with post office and country, contacts,
// payment terms, tax and registration numbers, VAT state, kinds and bank accounts, filled by hand
// or from the business register. Owned by its window, opened by the party register; while the
// register's hit window is open its own buttons do nothing. A refused save keeps the form as it is.
#include "db/SQLtoXml.h"
#include "frame/VindorWindowAction.h"
#include "frame/VindorWindowSetup.h"
#include "partners/StrankaSave.h"
#include "partners/gui/PregledBazeIBAN.h"
#include "partners/gui/StrankaEditorContent.h"
#include "widgets/VindorPropertyPanel.h"

#include <map>

class IBANButtonPropertyComponent;

class AddStranka : public VindorWindowAction,
                   public juce::Component,
                   public SQLtoXml,
                   public VindorWindowSetup,
                   public juce::Value::Listener,
                   public PregledBazeIBAN::Listener,
                   public StrankaEditorContent
{
public:
    /** `row` is a row of the party query to start from (read here only), or null for an empty
        form; the kind toggles start from `kindMask`; the register's hit window closes with `owner`. */
    AddStranka (const juce::XmlElement* row, int kindMask, juce::Component* owner);
    ~AddStranka() override;

    bool buttonAction (int code) override;
    bool okAction() override;
    bool cancelAction() override;
    /** Checks and stores the party; false with the error message set when refused or failed. */
    virtual bool save();
    /** Searches the business register with the typed fields and shows the hits (or why not). */
    virtual bool ajpesAction();

    void resized() override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;
    void valueChanged (juce::Value& value) override;

    StrankaRecord getStranka() const override { return stranka; }

    /** The form's value of a party-query column ("ime", "postnast", "drzava", "tipdavka", ...). */
    juce::Value& field (const juce::String& name) { return values[name]; }
    /** The toggle of party-kind bit `bit` (0 to 4). */
    juce::Value& kindToggle (int bit) { return kindToggles[bit]; }
    IBANButtonPropertyComponent* getIbanButton() const { return ibanButton; }
    VindorPropertyPanel& getPanel() { return panel; }

protected:
    bool saveAs (StrankaSave::Kind kind, const juce::String& questionTitle);
    StrankaSave::Form currentForm();
    void setKinds (int mask);

    StrankaRecord stranka;
    VindorPropertyPanel panel;
    IBANButtonPropertyComponent* ibanButton = nullptr;
    std::map<juce::String, juce::Value> values;
    juce::Value kindToggles[5];
    int kindMask;
    juce::Component* owner;
    bool updating = false;

private:
    void takeHit (KWindow* results);

    JUCE_DECLARE_NON_COPYABLE (AddStranka)
};
