#pragma once
// The editor window of one country: name, code and EU flag; Save adds a new country or rewrites
// the edited one and answers the country browser. Owned by its window; stays open on a refusal.
#include "frame/VindorWindowAction.h"
#include "frame/VindorWindowSetup.h"
#include "partners/DrzavaRecord.h"
#include "widgets/VindorPropertyPanel.h"

class DrzavaEditor : public juce::Component,
                     public VindorWindowAction,
                     public VindorWindowSetup
{
public:
    DrzavaEditor (DrzavaRecord country, bool insert);
    ~DrzavaEditor() override;

    void resized() override;
    bool okAction() override;
    /** Stores the typed values; false with the error message set when refused or failed. */
    virtual bool save();

    const DrzavaRecord& getDrzava() const { return drzava; }
    juce::Value& getImeValue() { return imeValue; }
    juce::Value& getKraticaValue() { return kraticaValue; }
    juce::Value& getEuValue() { return euValue; }

private:
    DrzavaRecord drzava;
    juce::Value imeValue;
    juce::Value kraticaValue;
    juce::Value euValue;
    VindorPropertyPanel panel;
    bool insert;
};
