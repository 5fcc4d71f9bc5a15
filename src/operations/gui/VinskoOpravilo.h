#pragma once
// The wine-care window: a vessel, its loss, a new declaration, price and VAT, treatments with
// their agents and an analysis, booked as one operation by VinskoOpraviloSave.
#include "operations/gui/WineBookingWindow.h"

class PosodaButtonPropertyComponent;
class VolumeSliderPropertyComponent;
class SortaButtonPropertyComponent;
struct VinskoOpraviloInput;

class VinskoOpravilo : public WineBookingWindow
{
public:
    /** The titled sections, counted from 0. */
    enum Section { cellarSection = 0, declarationSection, extraSection, treatmentSection, analysisSection };

    VinskoOpravilo();
    ~VinskoOpravilo() override;

    void valueChanged (juce::Value&) override {}
    void setPosodaIDN (posoda record, int slot) override;

    /** Books the operation; false leaves the reason as the window's error text. */
    bool saveVinskoOpravilo();

    /** The value holders behind the rows, for the tests that drive the window. */
    juce::Value kalo, opombe, stanje, cena, ddv, letnik, kvaliteta;

private:
    bool book() override { return saveVinskoOpravilo(); }
    VinskoOpraviloInput collectInput() const;

    PosodaButtonPropertyComponent* vesselRow = nullptr;
    VolumeSliderPropertyComponent* kaloRow = nullptr;
    SortaButtonPropertyComponent* varietyRow = nullptr;
};

/** Opens the window from the main board. */
KWindow* launchVinskoOpravilo (const juce::String& title, juce::Component* opener, juce::Component* openerSetup);
