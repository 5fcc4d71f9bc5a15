#pragma once
// The transfer window: wine racked from a source vessel into a target, every wine of the source
// giving its share, with a loss, the target's declaration, price and VAT, treatments and an
// analysis, booked as one operation by PretokSave.
#include "operations/gui/WineBookingWindow.h"

class PosodaButtonPropertyComponent;
class VolumeSliderPropertyComponent;
class SortaButtonPropertyComponent;
struct PretokForm;

class Pretok : public WineBookingWindow
{
public:
    /** The titled sections, counted from 0. */
    enum Section { cellarSection = 0, transferSection, declarationSection, extraSection, treatmentSection, analysisSection };

    Pretok();
    ~Pretok() override;

    void valueChanged (juce::Value& value) override;
    void setPosodaIDN (posoda record, int slot) override;

    /** Books the transfer; false leaves the reason as the window's error text. */
    bool savePretok();

    VolumeSliderPropertyComponent& getVolumeRow() { return *volumeRow; }
    VolumeSliderPropertyComponent& getKaloRow() { return *kaloRow; }
    /** The value holders behind the rows, for the tests that drive the window. */
    juce::Value stanjeOut, stanjeIn, volumen, kalo, tipLetnik, kvaliteta, ddv, cena, opombe;

private:
    bool book() override { return savePretok(); }
    PretokForm collectForm();
    void updateSliders();

    juce::String remark;

    PosodaButtonPropertyComponent* sourceRow = nullptr;
    PosodaButtonPropertyComponent* targetRow = nullptr;
    VolumeSliderPropertyComponent* volumeRow = nullptr;
    VolumeSliderPropertyComponent* kaloRow = nullptr;
    SortaButtonPropertyComponent* declaredRow = nullptr;
};

/** Opens the window from the main board. */
KWindow* launchPretok (const juce::String& title, juce::Component* opener, juce::Component* openerSetup);
