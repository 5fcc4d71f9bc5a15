// An editor panel with one row of every kind, in a real window under the program's look:
// clicked and typed into, then painted to PNG files under /tmp for a look by eye.
#include "frame/LookAndFeel_Vindor.h"
#include "widgets/CalendarButtonPropertyComponent.h"
#include "widgets/PNGFilenameButtonPropertyComponent.h"
#include "widgets/RTextPropertyComponent.h"
#include "widgets/ValButtonPropertyComponent.h"
#include "widgets/ValChoicePropertyComponent.h"
#include "widgets/VindorBooleanPropertyComponent.h"
#include "widgets/VindorButtonPropertyComponent.h"
#include "widgets/VindorChoicePropertyComponent.h"
#include "widgets/VindorColorButtonPropertyComponent.h"
#include "widgets/VindorFolderPropertyComponent.h"
#include "widgets/VindorPathPropertyComponent.h"
#include "widgets/VindorPropertyPanel.h"
#include "widgets/VindorSliderPropertyComponent.h"
#include "widgets/VindorText2PropertyComponent.h"
#include "widgets/VindorTextPropertyComponent.h"
#include "support/ScriptedAnswerer.h"
#include "support/TestSupport.h"
#include "support/WidgetTestSupport.h"

#include <gtest/gtest.h>

namespace
{
using wtest::findChild;
using wtest::pump;

struct CountingButton : VindorButtonPropertyComponent
{
    CountingButton() : VindorButtonPropertyComponent ("Gumb") { refresh(); }
    void buttonClicked() override { ++clicks; }
    juce::String getButtonText() const override { return "Preveri"; }
    int clicks = 0;
};

struct Picker : ValButtonPropertyComponent
{
    Picker (const juce::Value& v) : ValButtonPropertyComponent (v, "Sredstvo", 200, false, 0.1, true) { refresh(); }
    void buttonClicked() override { getLabel().getTextValue() = "Bentonit"; refresh(); }
    juce::String getButtonText() const override { return "..."; }
};

// The window content of an editor: a panel filling it, as every editor window has.
struct EditorContent : juce::Component
{
    EditorContent() { addAndMakeVisible (panel); }
    void resized() override { panel.setBounds (getLocalBounds()); }
    void paint (juce::Graphics& g) override { g.fillAll (juce::Colour (LookAndFeel_Vindor::kCream)); }
    VindorPropertyPanel panel { this };
};

void typeInto (juce::Label& label, const juce::String& text)
{
    label.showEditor();
    auto* editor = label.getCurrentTextEditor();
    ASSERT_NE (editor, nullptr);
    editor->selectAll();
    editor->insertTextAtCaret (text);
    label.hideEditor (false);
}
} // namespace

TEST (EditorPanelScreen, EveryKindOfRowIsClickedTypedIntoAndDrawn)
{
    vtest::TestSettings settings;
    settings.user().setValue ("fontsize_mm", 4.0);
    settings.user().setValue ("tempfolder", "/tmp");
    vtest::ScriptedAnswerer answerer;
    LookAndFeel_Vindor look;
    juce::LookAndFeel::setDefaultLookAndFeel (&look);

    juce::Value name ("Malvazija"), note ("Lepo zrelo grozdje\nbrez gnilobe"), kind (2), active (true), litres (225.0),
        total ("1.234,50"), amount ("12"), unit (2), agent ("");

    auto content = std::make_unique<EditorContent>();
    content->setSize (760, 900);
    auto& panel = content->panel;

    auto* text = new VindorTextPropertyComponent (name, "Naziv", 50, false);
    auto* multi = new VindorTextPropertyComponent (note, "Opomba", 500, true);
    auto* choice = new VindorChoicePropertyComponent (kind, "Vrsta", { "Belo", "Rdece", "Roze" }, { 1, 2, 3 });
    auto* check = new VindorBooleanPropertyComponent (active, "Aktivno", "da");
    auto* slider = new VindorSliderPropertyComponent (litres, "Litri", 0.0, 1000.0, 1.0);
    auto* button = new CountingButton();
    auto* rtext = new RTextPropertyComponent (total, "Skupaj");
    auto* valChoice = new ValChoicePropertyComponent (amount, unit, "Kolicina", { "kg", "l", "kos" }, { 1, 2, 3 }, 0.3);
    auto* picker = new Picker (agent);
    auto* colour = new VindorColorButtonPropertyComponent ("Barva", content.get());
    auto* date = new CalendarButtonPropertyComponent ("Za datum", content.get(), 1);

    panel.addSection ("Osnovno", { text, multi, choice, check, slider }, true);
    panel.addProperties ({ button, rtext, valChoice, picker });
    panel.addSection ("Datum in barva", { colour, date }, true);
    auto* settingText = new VindorText2PropertyComponent ("uporabnikdolgoime", "Uporabnik");
    panel.addSection ("Nastavitve", { settingText,
                                      new VindorFolderPropertyComponent ("tempfolder", "Zacasna mapa"),
                                      new VindorPathPropertyComponent ("printer", "Tiskalnik", false),
                                      new PNGFilenameButtonPropertyComponent ("logofile", "Logotip") }, false);

    juce::DocumentWindow window ("Urejanje", juce::Colour (LookAndFeel_Vindor::kCream), 0, true);
    window.setContentNonOwned (content.get(), true);
    window.setVisible (true);
    pump (100);

    // clicks
    button->refresh();
    findChild<juce::TextButton> (*button)->triggerClick();
    findChild<juce::ToggleButton> (*check)->triggerClick();
    picker->getButton().triggerClick();
    pump (200);
    EXPECT_EQ (button->clicks, 1);
    EXPECT_FALSE ((bool) active.getValue());
    EXPECT_EQ (agent.toString(), "Bentonit");

    findChild<juce::ComboBox> (*choice)->setSelectedId (3, juce::sendNotificationSync);
    EXPECT_EQ ((int) kind.getValue(), 3);
    valChoice->getComboBox().setSelectedId (1, juce::sendNotificationSync);
    EXPECT_EQ ((int) unit.getValue(), 1);
    findChild<juce::Slider> (*slider)->setValue (300.0, juce::sendNotificationSync);
    EXPECT_DOUBLE_EQ ((double) litres.getValue(), 300.0);
    colour->setColour (0x8b0000);

    // typing
    typeInto (*findChild<juce::Label> (*text), "Refosk");
    EXPECT_EQ (name.toString(), "Refosk");
    typeInto (rtext->getLabel(), "2.000,00");
    EXPECT_EQ (total.toString(), "2.000,00");
    typeInto (valChoice->getLabel(), "15");
    EXPECT_EQ (amount.toString(), "15");
    for (auto c : juce::String ("05-10-2026"))
        date->keyPressed (juce::KeyPress ((int) c, 0, c));
    EXPECT_EQ (date->getDateTime().toString(), "2026-10-05 12:00:00");

    // the settings section opens with a click on its title and its row stores what is typed
    auto* settingsSection = panel.getTitledSection (2);
    const int closedHeight = panel.getTotalContentHeight();
    settingsSection->mouseUp (wtest::mouseAt (*settingsSection, 600, 4));
    EXPECT_TRUE (panel.isSectionOpen (2));
    EXPECT_GT (panel.getTotalContentHeight(), closedHeight);
    typeInto (*findChild<juce::Label> (*settingText), "Ana Kos");
    pump();
    EXPECT_EQ (settings.user().getValue ("uporabnikdolgoime"), "Ana Kos");

    pump (100);
    EXPECT_TRUE (wtest::writePng (wtest::snapshot (*content), "/tmp/widgets-editor-panel.png"));

    // the calendar opened from the date row, as the user sees it
    date->buttonClicked();
    ASSERT_NE (date->getPopup(), nullptr);
    date->getPopup()->colouredTextEntered (&date->getPopup()->getDayCell (20), wtest::mouseAt (date->getPopup()->getDayCell (20), 2, 2));
    pump (100);
    EXPECT_TRUE (wtest::writePng (wtest::snapshot (*content), "/tmp/widgets-calendar-open.png"));

    date->setDateText ("2026-12-24");
    date->buttonClicked();
    date->buttonClicked();
    pump (50);
    EXPECT_TRUE (wtest::writePng (wtest::snapshot (*date->getPopup()), "/tmp/widgets-calendar-december.png"));

    window.clearContentComponent();
    content.reset();
    juce::LookAndFeel::setDefaultLookAndFeel (nullptr);
}
