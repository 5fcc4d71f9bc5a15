#pragma once
// The wine-care window: a vessel, its loss, a new declaration, price and VAT, treatments with
// their agents and an analysis, booked as one operation by VinskoOpraviloSave.
#include "cellar/PosodaListener.h"
#include "cellar/SortaListener.h"
#include "frame/VindorWindowAction.h"
#include "operations/SredstvoListener.h"
#include "operations/WineOperationExtras.h"
#include <array>
#include <memory>

class VindorPropertyPanel;
class PosodaButtonPropertyComponent;
class VolumeSliderPropertyComponent;
class SortaButtonPropertyComponent;
class CalendarButtonPropertyComponent;
struct VinskoOpraviloInput;

class VinskoOpravilo : public juce::Component,
                       public juce::Value::Listener,
                       public VindorWindowAction,
                       public PosodaListener,
                       public SortaListener,
                       public SredstvoListener
{
public:
    /** The titled sections, counted from 0. */
    enum Section { cellarSection = 0, declarationSection, extraSection, treatmentSection, analysisSection };

    VinskoOpravilo();
    ~VinskoOpravilo() override;

    void resized() override;
    void valueChanged (juce::Value&) override {}
    bool okAction() override;
    bool cancelAction() override;
    void prepareToClose() override;
    void setPosodaIDN (posoda record, int slot) override;

    /** Books the operation; false leaves the reason as the window's error text. */
    bool saveVinskoOpravilo();

    VindorPropertyPanel& getPanel() { return *panel; }
    /** The value holders behind the rows, for the tests that drive the window. */
    juce::Value kalo, opombe, stanje, cena, ddv, letnik, kvaliteta;

private:
    VinskoOpraviloInput collectInput() const;

    WineOperationExtras extras;
    std::array<juce::Value, 9> agentTexts;

    std::unique_ptr<VindorPropertyPanel> panel;
    PosodaButtonPropertyComponent* vesselRow = nullptr;
    VolumeSliderPropertyComponent* kaloRow = nullptr;
    SortaButtonPropertyComponent* varietyRow = nullptr;
    CalendarButtonPropertyComponent* dateRow = nullptr;
};

/** Opens the window from the main board. */
KWindow* launchVinskoOpravilo (const juce::String& title, juce::Component* opener, juce::Component* openerSetup);
