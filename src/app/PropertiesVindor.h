#pragma once
// The "Settings" tab: every program-wide user setting as rows of eight closed sections, each
// change written to the settings file at once, plus the buttons that keep the code tables.
// Created with the main window's tabs and living as long as they do; it owns the look-and-feel
// in force from the first pass of the message loop on, and deletes it only after nothing uses it.
#include "cellar/SortaListener.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

class LookAndFeel_Vindor;
class SortaButtonPropertyComponent;
class VindorPropertyPanel;

class PropertiesVindor : public juce::Component,
                         public juce::Value::Listener,
                         public SortaListener
{
public:
    explicit PropertiesVindor (juce::Component* owner);
    ~PropertiesVindor() override;

    void paint (juce::Graphics& g) override;
    void resized() override;
    void valueChanged (juce::Value& value) override;
    void setSortaIDN (SortaRecord record, int slot) override;

    /** Installs style 1 (LookAndFeel_Vindor), 2 (V3), 3 (V2) or 4 (V1); false for any other number. */
    bool changeLookAndFeel (int style);

    /** Offers the look-and-feel that start-up made (not owned here) to the page built next, which
        takes it over when it is still the desktop's default then; nullptr withdraws the offer. */
    static void offerLookAndFeel (LookAndFeel_Vindor* made);
    /** True once a page took the offered object over: the offerer must then forget it. */
    static bool wasOfferTaken();

    /** The serial ports the receipt printer may use, as the driver lists them (index = stored value). */
    static juce::StringArray listPrinterPorts();

    VindorPropertyPanel& getPanel() const { return *panel; }
    juce::LookAndFeel* getOwnedLookAndFeel() const { return ownedLookAndFeel.get(); }
    SortaButtonPropertyComponent* getVarietyButton (int slot) const { return slot == 1 ? whiteVariety : slot == 2 ? redVariety : nullptr; }
    juce::Value& getSettingValue (const juce::Identifier& key);

private:
    void buildSections();
    void listenTo (juce::Value& v);
    /** Puts `replacement` on the owner, its children and every other window before `old` goes. */
    void moveComponentsOff (juce::LookAndFeel* old, juce::LookAndFeel* replacement);

    juce::Value sklicMode, metodaObracuna, racunKupecPozicija, racunDobavnicaMode, racunPopustMode, dostavniPlac,
        fontSizeMm, artikelSelColor, loggerMode, posPrinterPort, nqButtons, lookAndFeelStyle;
    juce::Value analizaText;
    SortaButtonPropertyComponent* whiteVariety = nullptr;
    SortaButtonPropertyComponent* redVariety = nullptr;
    std::unique_ptr<VindorPropertyPanel> panel;
    // Weak: the page may outlive its board while the style it owns is being taken off it.
    juce::Component::SafePointer<juce::Component> owner;
    std::unique_ptr<juce::LookAndFeel> ownedLookAndFeel;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PropertiesVindor)
};
