#pragma once
// The transfer window: wine racked from a source vessel into a target, every wine of the source
// giving its share, with a loss, the target's declaration, price and VAT, treatments and an
// analysis, booked as one operation by PretokSave.
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
struct PretokForm;

class Pretok : public juce::Component,
               public juce::Value::Listener,
               public VindorWindowAction,
               public PosodaListener,
               public SortaListener,
               public SredstvoListener
{
public:
    /** The titled sections, counted from 0. */
    enum Section { cellarSection = 0, transferSection, declarationSection, extraSection, treatmentSection, analysisSection };

    Pretok();
    ~Pretok() override;

    void resized() override;
    void valueChanged (juce::Value& value) override;
    bool okAction() override;
    bool cancelAction() override;
    void prepareToClose() override;
    void setPosodaIDN (posoda record, int slot) override;

    /** Books the transfer; false leaves the reason as the window's error text. */
    bool savePretok();

    VindorPropertyPanel& getPanel() { return *panel; }
    VolumeSliderPropertyComponent& getVolumeRow() { return *volumeRow; }
    VolumeSliderPropertyComponent& getKaloRow() { return *kaloRow; }
    /** The value holders behind the rows, for the tests that drive the window. */
    juce::Value stanjeOut, stanjeIn, volumen, kalo, tipLetnik, kvaliteta, ddv, cena, opombe;

private:
    PretokForm collectForm();
    void updateSliders();

    WineOperationExtras extras;
    std::array<juce::Value, 9> agentTexts;
    juce::String remark;

    std::unique_ptr<VindorPropertyPanel> panel;
    PosodaButtonPropertyComponent* sourceRow = nullptr;
    PosodaButtonPropertyComponent* targetRow = nullptr;
    VolumeSliderPropertyComponent* volumeRow = nullptr;
    VolumeSliderPropertyComponent* kaloRow = nullptr;
    SortaButtonPropertyComponent* declaredRow = nullptr;
    CalendarButtonPropertyComponent* dateRow = nullptr;
};

/** Opens the window from the main board. */
KWindow* launchPretok (const juce::String& title, juce::Component* opener, juce::Component* openerSetup);
