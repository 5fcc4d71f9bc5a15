#pragma once
// The "Uporabnik" tab: who works with the program and for which company, the texts printed on
// invoices and the logo, and the user's own certificates and passwords of the fiscal service,
// the business register and e-invoices. Every change is written to the settings at once.
// Created with the main window's tabs and living as long as they do.
#include "partners/StrankaListener.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

class StrankaValButton;
class UporabnikButtonPropertyComponent;
class VindorPropertyPanel;

class PropertiesVindor2 : public juce::Component,
                          public StrankaListener,
                          public juce::Value::Listener
{
public:
    explicit PropertiesVindor2 (juce::Component* owner);
    ~PropertiesVindor2() override;

    void paint (juce::Graphics& g) override;
    void resized() override;
    /** The picked company becomes the program's own company at once and its id is stored. */
    void setStrankaIDN (StrankaRecord party, int slot) override;
    void valueChanged (juce::Value& value) override;

    VindorPropertyPanel& getPanel() const { return *panel; }
    UporabnikButtonPropertyComponent* getUserPicker() const { return userPicker; }
    StrankaValButton* getCompanyPicker() const { return companyPicker; }

private:
    struct BoundValue
    {
        const char* key;
        juce::Value value;
    };

    juce::Value& bind (BoundValue& bound, const juce::var& stored);

    BoundValue headerSeparator { "headerseparator", {} }, opombaDomaci { "b_opomba_domaci", {} },
        opombaDomaciPodpis { "b_opomba_domaci_podpis", {} }, opombaTuji { "b_opomba_tuji", {} },
        opombaTujiPodpis { "b_opomba_tuji_podpis", {} }, fiksnaOpomba { "b_fiksna_opomba", {} }, drugo { "b_drugo", {} };
    juce::Value companyText;
    juce::Component* owner = nullptr;
    UporabnikButtonPropertyComponent* userPicker = nullptr;
    StrankaValButton* companyPicker = nullptr;
    std::unique_ptr<VindorPropertyPanel> panel;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PropertiesVindor2)
};
