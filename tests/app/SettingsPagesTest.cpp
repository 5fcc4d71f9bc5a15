// The three settings pages under a real X server, driven as a person does it: sections opened by
// a click on their title, choices picked, sliders typed into, pickers clicked; what reaches the
// settings file is read back, and the next start's checks are run on the same settings.
#include "app/DatabaseStartupChecks.h"
#include "cellar/gui/SerijaButtonPropertyComponent.h"
#include "app/MainContentComponent.h"
#include "app/MainWindowCallback.h"
#include "app/PropertiesVindor.h"
#include "app/PropertiesVindor2.h"
#include "app/PropertiesVindor3.h"
#include "app/UporabnikButtonPropertyComponent.h"
#include "app/VindorTabbedComponent.h"
#include "cellar/gui/SortaButtonPropertyComponent.h"
#include "frame/ButtonRecord.h"
#include "frame/KWManager.h"
#include "frame/LookAndFeel_Vindor.h"
#include "invoices/gui/PregledBazeKlavzule.h"
#include "partners/PartnersDb.h"
#include "partners/gui/PartnerWindows.h"
#include "partners/gui/PregledBazeStranka.h"
#include "partners/gui/StrankaValButton.h"
#include "platform/ComPortDriver.h"
#include "platform/gui/UpdateChecker.h"
#include "reports/gui/PregledBazeDDV.h"
#include "support/ScriptedAnswerer.h"
#include "widgets/RangeCheckedSliderPropertyComponent.h"
#include "widgets/SettingsPropertyComponent.h"
#include "widgets/VindorPropertyPanel.h"

#include <typeinfo>

using namespace ptest;
using juce::String;

namespace
{
/** The rows of a section, in the order shown. */
juce::Array<juce::PropertyComponent*> rowsOf (juce::Component* section)
{
    juce::Array<juce::PropertyComponent*> rows;
    if (section != nullptr)
        for (auto* child : section->getChildren())
            if (auto* row = dynamic_cast<juce::PropertyComponent*> (child))
                rows.insert (0, row);   // a section adds its rows last first
    return rows;
}

juce::StringArray rowNames (juce::Component* section)
{
    juce::StringArray names;
    for (auto* row : rowsOf (section))
    {
        // A settings-bound row is named after its key; the label shown is its inner row's.
        auto* bound = dynamic_cast<SettingsPropertyComponent*> (row);
        names.add (bound != nullptr && bound->getEditor() != nullptr ? bound->getEditor()->getName() : row->getName());
    }
    return names;
}

/** Opens or closes a titled section by a click on its title bar. */
void clickTitle (VindorPropertyPanel& panel, int index)
{
    auto* section = panel.getTitledSection (index);
    ASSERT_NE (section, nullptr);
    const auto e = wtest::mouseAt (*section, 20, section->getTitleHeight() / 2);
    section->mouseDown (e);
    section->mouseUp (e);
    pump();
}

juce::StringArray texts (std::initializer_list<String> items)
{
    juce::StringArray out;
    for (auto& t : items)
        out.add (t);
    return out;
}

/** The slider of a slider row. */
juce::Slider& sliderOf (juce::Component& row)
{
    auto* slider = wtest::findChild<juce::Slider> (row);
    jassert (slider != nullptr);
    return *slider;
}

/** The text of a key as the settings file on disk holds it. */
String storedOnDisk (const juce::File& file, const String& key)
{
    if (auto xml = juce::XmlDocument::parse (file))
        for (auto* e : xml->getChildIterator())
            if (e->getStringAttribute ("name") == key)
                return e->getStringAttribute ("val");
    return "<missing>";
}

/** Types a text into a slider row's text box and confirms it, as Return does. */
void typeIntoSlider (juce::SliderPropertyComponent& row, const String& text)
{
    auto* box = wtest::findChild<juce::Label> (sliderOf (row));
    ASSERT_NE (box, nullptr);
    box->setText (text, juce::sendNotificationSync);
    pump();
}

/** Picks the choice with this text in a choice row's box. */
void pick (juce::PropertyComponent& row, const String& text)
{
    auto* box = wtest::findChild<juce::ComboBox> (row);
    ASSERT_NE (box, nullptr);
    for (int i = 0; i < box->getNumItems(); ++i)
        if (box->getItemText (i) == text)
        {
            box->setSelectedItemIndex (i, juce::sendNotificationSync);
            pump();
            return;
        }
    FAIL() << "no choice " << text;
}

juce::StringArray choicesOf (juce::PropertyComponent& row)
{
    juce::StringArray texts;
    if (auto* box = wtest::findChild<juce::ComboBox> (row))
        for (int i = 0; i < box->getNumItems(); ++i)
            texts.add (box->getItemText (i));
    return texts;
}

/** The look-and-feel class in force, by its exact type (V3 derives from V2, ours from V3). */
String kindOf (juce::LookAndFeel& laf)
{
    if (typeid (laf) == typeid (LookAndFeel_Vindor)) return "Vindor";
    if (typeid (laf) == typeid (juce::LookAndFeel_V3)) return "V3";
    if (typeid (laf) == typeid (juce::LookAndFeel_V2)) return "V2";
    if (typeid (laf) == typeid (juce::LookAndFeel_V1)) return "V1";
    return "other";
}

/** Every component below `c` (itself included) that does not draw with `laf`. */
int countNotUsing (juce::Component& c, juce::LookAndFeel* laf)
{
    int n = &c.getLookAndFeel() == laf ? 0 : 1;
    for (auto* child : c.getChildren())
        n += countNotUsing (*child, laf);
    return n;
}

// The board stand-in that holds a page as the tabs do.
class Owner : public juce::Component
{
public:
    Owner() { setSize (900, 700); }
};

// A window of its own that remembers the look-and-feel it was told about last.
class Probe : public juce::Component
{
public:
    Probe() { setSize (200, 100); }
    void lookAndFeelChanged() override { seen = &getLookAndFeel(); }
    void paint (juce::Graphics& g) override { getLookAndFeel().drawButtonBackground (g, button, juce::Colours::red, false, false); }
    juce::LookAndFeel* seen = nullptr;
    juce::TextButton button { "x" };
};

class SettingsPages : public PartnersDb
{
protected:
    void SetUp() override
    {
        PartnersDb::SetUp();
        juce::LocalisedStrings::setCurrentMappings (
            new juce::LocalisedStrings (vtest::resourcesFolder().getChildFile ("slovensko.txt"), true));
        ports.file ("ttyS0").create();
        ports.file ("ttyUSB3").create();
        const auto base = ports.get().getFullPathName();
        ComPortDriver::setPatterns ({ base + "/ttyS*", base + "/ttyUSB*", base + "/ttyACM*" });
    }

    void TearDown() override
    {
        closeAllWindows();
        page.reset();
        page2.reset();
        pump();
        ComPortDriver::setPatterns ({});
        juce::LookAndFeel::setDefaultLookAndFeel (nullptr);
        juce::LocalisedStrings::setCurrentMappings (nullptr);
        PartnersDb::TearDown();
    }

    PropertiesVindor& programPage()
    {
        page = std::make_unique<PropertiesVindor> (&owner);
        owner.addAndMakeVisible (*page);
        page->setBounds (owner.getLocalBounds());
        return *page;
    }

    PropertiesVindor2& companyPage()
    {
        page2 = std::make_unique<PropertiesVindor2> (&owner);
        owner.addAndMakeVisible (*page2);
        page2->setBounds (owner.getLocalBounds());
        return *page2;
    }

    juce::PropertyComponent* row (int section, int index)
    {
        auto* panel = page != nullptr ? &page->getPanel() : &page2->getPanel();
        return rowsOf (panel->getTitledSection (section))[index];
    }

    juce::StringArray askedTitles() const
    {
        juce::StringArray titles;
        for (auto& q : answers.asked)
            titles.add (q.title + " / " + q.message);
        return titles;
    }

    vtest::TempFolder ports;
    vtest::ScriptedAnswerer answers;
    vtest::LogCapture log;
    Owner owner;
    std::unique_ptr<PropertiesVindor> page;
    std::unique_ptr<PropertiesVindor2> page2;
};
} // namespace

TEST_F (SettingsPages, TheProgramPageShowsEightClosedSectionsWithTheirRowsAndDefaults)
{
    for (auto key : { "belo_brez_oznake_id", "belo_brez_oznake_sorta", "rdece_brez_oznake_id", "rdece_brez_oznake_sorta", "nqbuttons" })
        settings().removeValue (key);

    auto& p = programPage();
    auto& panel = p.getPanel();
    const auto sections = texts ({ TRANS ("Osnovne nastavitve"), TRANS ("Printer nastavitve"), TRANS ("Database"), TRANS ("FURS data"),
                                   TRANS ("AJPES data"), TRANS ("Nastavitve dokumentov"), TRANS ("eracun data"), TRANS ("Dodatno") });
    EXPECT_EQ (panel.getSectionNames(), sections);
    for (int i = 0; i < sections.size(); ++i)
        EXPECT_FALSE (panel.isSectionOpen (i)) << sections[i];

    const auto basic = texts ({ TRANS ("Skladisce dostavni"), TRANS ("Select LogFontsize"), TRANS ("Select LookAndFeel"),
                                TRANS ("Background filename"), TRANS ("Select selectioncolor"), TRANS ("Programske datoteke"),
                                TRANS ("logger_label"), TRANS ("Select nqbuttons") });
    EXPECT_EQ (rowNames (panel.getTitledSection (0)), basic);
    const int rowsPerSection[] = { 8, 5, 4, 6, 3, 5, 2, 9 };
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ (rowsOf (panel.getTitledSection (i)).size(), rowsPerSection[i]) << sections[i];
    // The last code table is the batch register, opened for editing.
    auto* batches = dynamic_cast<SerijaButtonPropertyComponent*> (rowsOf (panel.getTitledSection (7)).getLast());
    ASSERT_NE (batches, nullptr);
    EXPECT_EQ (batches->getButtonText(), TRANS ("Serija"));
    EXPECT_EQ (rowNames (panel.getTitledSection (5)),
               texts ({ TRANS ("sklic_mode"), TRANS ("metoda_obracuna"), TRANS ("racun_kupec_pozicija"),
                                    TRANS ("racun_dobavnica_mode"), TRANS ("racun_popust_mode") }));

    // Defaults of missing keys: 20 quick buttons; the default varieties written as 0 and empty.
    auto* quick = dynamic_cast<juce::SliderPropertyComponent*> (row (0, 7));
    ASSERT_NE (quick, nullptr);
    EXPECT_EQ (sliderOf (*quick).getValue(), 20.0);
    EXPECT_EQ (sliderOf (*quick).getMinimum(), 1.0);
    EXPECT_EQ (sliderOf (*quick).getMaximum(), 50.0);
    EXPECT_TRUE (settings().containsKey ("belo_brez_oznake_id"));
    EXPECT_EQ (settings().getValue ("belo_brez_oznake_id"), "0");
    EXPECT_EQ (settings().getValue ("rdece_brez_oznake_id"), "0");
    EXPECT_TRUE (settings().containsKey ("belo_brez_oznake_sorta"));
    EXPECT_EQ (settings().getValue ("rdece_brez_oznake_sorta", "missing"), "");
    EXPECT_EQ (p.getVarietyButton (1)->getButtonText(), TRANS ("Izberi sorto"));
    EXPECT_EQ (p.getVarietyButton (2)->getButtonText(), TRANS ("Izberi sorto"));

    // The receipt printer's ports are the ones the serial layer lists.
    EXPECT_EQ (choicesOf (*row (1, 4)), texts ({ ports.file ("ttyS0").getFullPathName(), ports.file ("ttyUSB3").getFullPathName() }));

    // The code tables' buttons, the batch register's last.
    EXPECT_EQ (rowNames (panel.getTitledSection (7)),
               texts ({ TRANS ("Belo brez oznake sorte"), TRANS ("Rdece brez oznake sorte"), TRANS ("Analiza"), TRANS ("Edit"),
                                    TRANS ("Edit"), TRANS ("Edit"), TRANS ("Edit"), TRANS ("Edit"), TRANS ("Edit") }));
}

TEST_F (SettingsPages, NoSerialPortLeavesThePortChoiceEmpty)
{
    ComPortDriver::setPatterns ({ ports.get().getFullPathName() + "/none*" });
    programPage();
    EXPECT_TRUE (choicesOf (*row (1, 4)).isEmpty());
}

TEST_F (SettingsPages, EveryWatchedChangeIsStoredAtOnce)
{
    auto& p = programPage();
    clickTitle (p.getPanel(), 5);
    EXPECT_TRUE (p.getPanel().isSectionOpen (5));

    pick (*row (5, 0), TRANS ("sklic_mode_2"));
    pick (*row (5, 2), TRANS ("racun_kupec_levo"));
    pick (*row (5, 3), TRANS ("racun_dobavnica_manual"));
    pick (*row (5, 4), TRANS ("racun_popust_rabatpopust"));
    pick (*row (0, 6), TRANS ("logger_mode_3"));
    pick (*row (1, 4), ports.file ("ttyUSB3").getFullPathName());
    p.getSettingValue ("dostavniplac") = true;
    p.getSettingValue ("nqbuttons") = 33;
    p.getSettingValue ("artikel_sel_color") = (int) 0xff00ff00;
    pump();

    struct Case { const char* key; String stored; };
    const Case cases[] = { { "sklic_mode", "10" }, { "racun_kupec_pozicija", "10" }, { "racun_dobavnica_mode", "10" },
                           { "racun_popust_mode", "10" }, { "logger_mode", "3" }, { "posprinterport", "1" },
                           { "dostavniplac", "1" }, { "nqbuttons", "33" }, { "artikel_sel_color", String ((int) 0xff00ff00) } };
    for (auto& c : cases)
        EXPECT_EQ (settings().getValue (c.key), c.stored) << c.key;
    EXPECT_TRUE (log.contains ("<PropertiesVindor::valueChanged> Logger model 3 je bil izbran"));
    EXPECT_TRUE (log.contains ("<PropertiesVindor::valueChanged> POS printer port 1 je bil izbran"));

    // Written to the file itself, not only held in memory.
    settings().saveIfNeeded();
    EXPECT_EQ (storedOnDisk (settings().getFile(), "sklic_mode"), "10");
    EXPECT_EQ (storedOnDisk (settings().getFile(), "nqbuttons"), "33");
}

TEST_F (SettingsPages, TheFontSizeIsStoredAndTakesEffectAtTheNextStart)
{
    auto& p = programPage();
    clickTitle (p.getPanel(), 0);
    auto* fontSize = dynamic_cast<juce::SliderPropertyComponent*> (row (0, 1));
    ASSERT_NE (fontSize, nullptr);
    typeIntoSlider (*fontSize, "9");
    EXPECT_EQ (settings().getDoubleValue ("fontsize_mm"), 9.0);
    ASSERT_EQ (answers.asked.size(), 1u);
    EXPECT_EQ (answers.asked[0].title, TRANS ("Fontsize"));
    EXPECT_EQ (answers.asked[0].message, TRANS ("fontsize changed after restart"));
}

// A value a row's own check refuses keeps the stored value and says why; nothing is written.
TEST_F (SettingsPages, ARefusedTypedValueKeepsTheStoredOneAndSaysWhy)
{
    settings().setValue ("fontsize_mm", 7);
    settings().setValue ("nqbuttons", 12);
    settings().setValue ("headerseparator", 1.5);
    auto& p = programPage();
    auto& p2 = companyPage();
    clickTitle (p.getPanel(), 0);

    struct Case { juce::SliderPropertyComponent* row; const char* key; const char* typed; String stored; };
    auto* separator = dynamic_cast<juce::SliderPropertyComponent*> (rowsOf (p2.getPanel().getTitledSection (0))[2]);
    auto* fontSize = dynamic_cast<juce::SliderPropertyComponent*> (rowsOf (p.getPanel().getTitledSection (0))[1]);
    auto* quick = dynamic_cast<juce::SliderPropertyComponent*> (rowsOf (p.getPanel().getTitledSection (0))[7]);
    ASSERT_TRUE (separator != nullptr && fontSize != nullptr && quick != nullptr);
    const Case cases[] = { { fontSize, "fontsize_mm", "99", "7" },  { fontSize, "fontsize_mm", "1", "7" },
                           { fontSize, "fontsize_mm", "abc", "7" }, { quick, "nqbuttons", "0", "12" },
                           { quick, "nqbuttons", "51", "12" },      { separator, "headerseparator", "-0,5", "1.5" },
                           { separator, "headerseparator", "5.5", "1.5" } };
    for (auto& c : cases)
    {
        answers.asked.clear();
        const double before = sliderOf (*c.row).getValue();
        typeIntoSlider (*c.row, c.typed);
        EXPECT_EQ (settings().getValue (c.key), c.stored) << c.typed;
        EXPECT_EQ (sliderOf (*c.row).getValue(), before) << c.typed;
        ASSERT_EQ (answers.asked.size(), 1u) << c.typed;
        EXPECT_EQ (answers.asked[0].title, TRANS ("spremembe nastavitev"));
        EXPECT_TRUE (answers.asked[0].message.contains (String (sliderOf (*c.row).getMaximum()))) << answers.asked[0].message;
    }

    // A value inside the range, with a decimal comma, is taken.
    answers.asked.clear();
    typeIntoSlider (*separator, "2,5");
    EXPECT_EQ (settings().getDoubleValue ("headerseparator"), 2.5);
    EXPECT_TRUE (answers.asked.empty());

    // A negative page margin typed as text is refused the same way.
    settings().setValue ("printbordertop", "15");
    clickTitle (p.getPanel(), 1);
    auto* margin = dynamic_cast<SettingsPropertyComponent*> (rowsOf (p.getPanel().getTitledSection (1))[0]);
    ASSERT_NE (margin, nullptr);
    margin->getValueObject() = "-3";
    pump();
    EXPECT_EQ (settings().getValue ("printbordertop"), "15");
    ASSERT_EQ (answers.asked.size(), 1u);
    EXPECT_EQ (answers.asked[0].message, TRANS ("PrintSettings_margin_negative"));
}

TEST_F (SettingsPages, TheVatMethodChangesOnlyWhenTheQuestionIsAnsweredYes)
{
    settings().setValue ("metoda_obracuna", 1);
    auto& p = programPage();
    clickTitle (p.getPanel(), 5);

    answers.then (2);   // No
    pick (*row (5, 1), TRANS ("metoda_mode_2"));
    pump();
    ASSERT_EQ (answers.asked.size(), 1u);
    EXPECT_EQ (answers.asked[0].title, TRANS ("metoda_obracuna"));
    EXPECT_EQ (answers.asked[0].message, TRANS ("metoda_obracuna_opozorilo"));
    EXPECT_EQ (settings().getIntValue ("metoda_obracuna"), 1);
    EXPECT_EQ ((int) p.getSettingValue ("metoda_obracuna").getValue(), 1);
    EXPECT_EQ (wtest::findChild<juce::ComboBox> (*row (5, 1))->getSelectedItemIndex(), 0);
    EXPECT_EQ (answers.asked.size(), 1u) << "setting the choice back asks nothing more";

    answers.then (1);   // Yes
    pick (*row (5, 1), TRANS ("metoda_mode_2"));
    pump();
    EXPECT_EQ (settings().getIntValue ("metoda_obracuna"), 2);
    EXPECT_TRUE (log.contains ("<PropertiesVindor::valueChanged> nov nacin metoda_obracuna:2"));
}

TEST_F (SettingsPages, TheStoredStyleComesIntoForceOnTheFirstPassOfTheMessageLoop)
{
    struct Case { int stored; const char* kind; int storedAfter; };
    const Case cases[] = { { 7, "Vindor", 1 }, { 3, "V2", 3 }, { 2, "V3", 2 }, { 4, "V1", 4 }, { 0, "Vindor", 1 } };
    for (auto& c : cases)
    {
        settings().setValue ("LookAndFeel", c.stored);
        auto child = std::make_unique<juce::Label>();
        owner.addAndMakeVisible (*child);
        auto& p = programPage();
        EXPECT_EQ ((int) p.getSettingValue ("LookAndFeel").getValue(), c.storedAfter) << c.stored;
        pump();
        auto& inForce = juce::LookAndFeel::getDefaultLookAndFeel();
        EXPECT_EQ (kindOf (inForce), c.kind) << c.stored;
        EXPECT_EQ (&inForce, p.getOwnedLookAndFeel());
        EXPECT_EQ (&owner.getLookAndFeel(), &inForce);
        EXPECT_EQ (&child->getLookAndFeel(), &inForce) << "the owner's children are given it too";
        EXPECT_EQ (settings().getIntValue ("LookAndFeel"), c.storedAfter);
        EXPECT_TRUE (log.contains ("<PropertiesVindor::changeLookAndFeel> nov stil nastavljen"));
        page.reset();
        EXPECT_NE (&juce::LookAndFeel::getDefaultLookAndFeel(), &inForce) << "nothing draws with a deleted style";
    }

    auto& p = programPage();
    pump();
    auto* before = p.getOwnedLookAndFeel();
    EXPECT_FALSE (p.changeLookAndFeel (5));
    EXPECT_TRUE (log.contains ("<PropertiesVindor::changeLookAndFeel> ERROR: napaka pri nastavitvi novega stila"));
    EXPECT_EQ (p.getOwnedLookAndFeel(), before);
    EXPECT_EQ (&juce::LookAndFeel::getDefaultLookAndFeel(), before);

    // Picking a style in the choice row installs it and stores it.
    clickTitle (p.getPanel(), 0);
    pick (*row (0, 2), TRANS ("LookAndFeel_v2"));
    EXPECT_EQ (kindOf (juce::LookAndFeel::getDefaultLookAndFeel()), "V3");
    EXPECT_EQ (settings().getIntValue ("LookAndFeel"), 2);
}

TEST_F (SettingsPages, OnlyTheLookAndFeelStartUpOffersIsTakenOver)
{
    auto offered = std::make_unique<LookAndFeel_Vindor>();
    LookAndFeel_Vindor stranger;
    juce::LookAndFeel::setDefaultLookAndFeel (&stranger);
    PropertiesVindor::offerLookAndFeel (offered.get());
    programPage();
    EXPECT_FALSE (PropertiesVindor::wasOfferTaken()) << "the desktop shows someone else's";
    EXPECT_EQ (page->getOwnedLookAndFeel(), nullptr);
    page.reset();

    juce::LookAndFeel::setDefaultLookAndFeel (offered.get());
    programPage();
    EXPECT_TRUE (PropertiesVindor::wasOfferTaken());
    EXPECT_EQ (page->getOwnedLookAndFeel(), offered.get());
    EXPECT_TRUE (log.contains ("<PropertiesVindor::PropertiesVindor> Found LookAndFeel_Vindor"));
    (void) offered.release();   // the page owns it now
    PropertiesVindor::offerLookAndFeel (nullptr);
    pump();
    juce::LookAndFeel::setDefaultLookAndFeel (nullptr);
}

// The old style goes only after every window has the new one: a browser opened from the page, a
// panel in a window of its own and a window that named the old style itself.
TEST_F (SettingsPages, SwitchingStylesLeavesNoWindowOnTheOldOne)
{
    settings().setValue ("LookAndFeel", 1);
    auto& p = programPage();
    owner.setVisible (true);
    owner.addToDesktop (0);
    pump();

    clickTitle (p.getPanel(), 7);
    clickButtonOf (*row (7, 5));   // the VAT rates
    auto* browserWindow = childOf (*dynamic_cast<VindorWindowSetup*> (row (7, 5)));
    ASSERT_NE (browserWindow, nullptr);
    ASSERT_NE (contentOf<PregledBazeDDV> (browserWindow), nullptr);

    VindorPropertyPanel panel;
    juce::Value text ("x");
    panel.addSection ("Odsek", { new juce::TextPropertyComponent (text, "Vrstica", 20, false) }, true);
    panel.setSize (300, 200);
    panel.addToDesktop (0);
    Probe probe;
    probe.setLookAndFeel (p.getOwnedLookAndFeel());
    probe.addToDesktop (0);
    pump();

    for (int style : { 3, 1 })
    {
        p.getSettingValue ("LookAndFeel") = style;
        pump();
        auto* now = p.getOwnedLookAndFeel();
        ASSERT_NE (now, nullptr);
        EXPECT_EQ (kindOf (*now), style == 3 ? "V2" : "Vindor");
        EXPECT_EQ (countNotUsing (*browserWindow, now), 0) << style;
        EXPECT_EQ (countNotUsing (panel, now), 0) << style;
        EXPECT_EQ (countNotUsing (owner, now), 0) << style;
        EXPECT_EQ (&probe.getLookAndFeel(), now) << style;
        EXPECT_EQ (probe.seen, now) << "the window that named the old style was told of the new one";
        // Repainting them draws with the style in force.
        EXPECT_TRUE (wtest::snapshot (*browserWindow).isValid());
        EXPECT_TRUE (wtest::snapshot (panel).isValid());
        EXPECT_TRUE (wtest::snapshot (probe).isValid());
    }
    closeAllWindows();
    page.reset();
    owner.removeFromDesktop();
}

TEST_F (SettingsPages, PickingTheDefaultRedVarietyLeavesTheWhiteOne)
{
    run ("INSERT INTO sorta (id, sorta, okrajsano, barva, tip, active) VALUES (50, 'Modra frankinja', 'MF', 0, 2, 1)");
    settings().setValue ("belo_brez_oznake_id", 7);
    settings().setValue ("belo_brez_oznake_sorta", "Laski rizling");
    auto& p = programPage();
    EXPECT_EQ (p.getVarietyButton (1)->getButtonText(), "Laski rizling");
    SortaRecord red;
    red.id = 50;
    red.sorta = "Modra frankinja";
    p.getVarietyButton (2)->setIDN (red);
    EXPECT_EQ (settings().getIntValue ("rdece_brez_oznake_id"), 50);
    EXPECT_EQ (settings().getValue ("rdece_brez_oznake_sorta"), "Modra frankinja");
    EXPECT_EQ (settings().getIntValue ("belo_brez_oznake_id"), 7);
    EXPECT_EQ (settings().getValue ("belo_brez_oznake_sorta"), "Laski rizling");
    EXPECT_EQ (p.getSorta (2).id, 50);
}

TEST_F (SettingsPages, TheCompanyPageStoresItsTextsAndTheCompanyAtOnce)
{
    settings().removeValue ("uporabnik");
    auto& p = companyPage();
    EXPECT_EQ (p.getPanel().getSectionNames(),
               texts ({ TRANS ("Podatki za racun"), TRANS ("FURS data"), TRANS ("AJPES data"), TRANS ("eracun data") }));
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE (p.getPanel().isSectionOpen (i));
    ASSERT_NE (p.getUserPicker(), nullptr);
    EXPECT_TRUE (p.getUserPicker()->isVisible());
    EXPECT_EQ (p.getUserPicker()->getButtonText(), TRANS ("Click to select..."));
    EXPECT_EQ (rowsOf (p.getPanel().getTitledSection (0)).size(), 9);

    clickTitle (p.getPanel(), 0);
    auto rows = rowsOf (p.getPanel().getTitledSection (0));
    auto* tick = wtest::findChild<juce::ToggleButton> (*rows[5]);
    ASSERT_NE (tick, nullptr);
    tick->triggerClick();
    pump();
    EXPECT_TRUE (settings().getBoolValue ("b_opomba_domaci_podpis", false));
    EXPECT_FALSE (settings().getBoolValue ("b_opomba_tuji_podpis", false));

    auto* footer = dynamic_cast<juce::TextPropertyComponent*> (rows[8]);
    ASSERT_NE (footer, nullptr);
    footer->setText ("Hvala za nakup");
    pump();
    EXPECT_EQ (settings().getValue ("b_drugo"), "Hvala za nakup");

    // The company picker: the register of users and companies, a click on the company.
    getPodjetje() = StrankaRecord();
    auto* company = p.getCompanyPicker();
    clickButtonOf (*company);
    auto* window = childOf (*company);
    auto* browser = contentOf<PregledBazeStranka> (window);
    ASSERT_NE (browser, nullptr);
    EXPECT_EQ (browser->getMask(), 1);
    window->setSize (800, 400);
    pump();
    clickRow (*browser, columnOf (*browser, "ime").indexOf ("Klet d.o.o."));
    EXPECT_EQ (getPodjetje().id, (int) kCompany);
    EXPECT_EQ (getPodjetje().ime, "Klet d.o.o.");
    EXPECT_EQ (settings().getIntValue ("b_podjetje"), (int) kCompany);
}

TEST_F (SettingsPages, TheAboutPageShowsTheVersionReadOnly)
{
    PropertiesVindor3 about (&owner);
    about.setSize (600, 400);
    auto* update = about.getUpdateRow();
    ASSERT_NE (update, nullptr);
    EXPECT_EQ (update->getLabel().getText(), "2.2.0");
    EXPECT_FALSE (update->getLabel().isEditable());
    EXPECT_EQ (update->getButtonText(), TRANS ("update_button_action"));
    EXPECT_EQ (update->getName(), TRANS ("update_button"));

    // The button asks the program's update checker, whose answer is shown even when it failed.
    auto& checker = vindoro::UpdateChecker::getInstance();
    int answersShown = 0;
    bool userAsked = false;
    checker.setNotifier ([&] (vindoro::UpdateChecker::Outcome, const vindoro::UpdateChecker::Release&, bool asked)
                         {
                             ++answersShown;
                             userAsked = asked;
                         });
    checker.setAppcastUrl ("https://127.0.0.1:1/appcast.xml");
    clickButtonOf (*update);
    for (int i = 0; i < 100 && answersShown == 0; ++i)
        pump (50);
    EXPECT_EQ (answersShown, 1);
    EXPECT_TRUE (userAsked);
    checker.cleanUp();
    checker.setNotifier (nullptr);
}

// The user picker in the running main window: the pick is the user of this run and of the next.
TEST_F (SettingsPages, PickingTheUserRenamesTheMainWindowAndOutlivesTheNextStart)
{
    run ("INSERT INTO stranka (id, ime, dolgoime, drzava, davcna, tipstranke, active) VALUES"
         " (20, 'Bojan', 'Bojan Kos', 185, 'SI55667788', 1, 1), (21, 'Cilka', '', 185, 'brez', 1, 1)");
    settings().setValue ("uporabnik:id", (int) kUser);
    auto* callback = new MainWindowCallback ("Vindoro (Ana)");
    auto& window = callback->getWindow();
    pump();
    auto* board = window.getContent();
    board->removeIntroScreen();
    auto* tabs = board->getTabs();
    tabs->setCurrentTabIndex (2);
    pump();
    auto* userPage = dynamic_cast<PropertiesVindor2*> (tabs->getTabContentComponent (2));
    ASSERT_NE (userPage, nullptr);
    auto* picker = userPage->getUserPicker();

    struct Case { const char* name; int id; const char* tax; };
    for (auto c : { Case { "Bojan", 20, "55667788" }, Case { "Cilka", 21, "brez" } })
    {
        clickButtonOf (*picker);
        auto* pickerWindow = childOf (*picker);
        auto* browser = contentOf<PregledBazeStranka> (pickerWindow);
        ASSERT_NE (browser, nullptr);
        EXPECT_EQ (browser->getMask(), 1);
        clickButtonOf (*picker);
        EXPECT_EQ (childOf (*picker), pickerWindow) << "a second click brings the open register forward";
        pickerWindow->setSize (800, 400);
        pump();
        clickRow (*browser, columnOf (*browser, "ime").indexOf (c.name));
        pump();
        EXPECT_EQ (childOf (*picker), nullptr);
        EXPECT_EQ (settings().getIntValue ("uporabnik:id"), c.id);
        EXPECT_EQ (settings().getValue ("uporabnik"), c.name);
        EXPECT_EQ (settings().getValue ("uporabnik:tax"), c.tax);
        EXPECT_EQ (picker->getButtonText(), c.name);
        EXPECT_EQ (window.getName(), String ("Vindoro (") + c.name + ")");
    }

    // Close stores nothing, and the next click opens a new register.
    clickButtonOf (*picker);
    press (childOf (*picker), TRANS ("Close"));
    EXPECT_EQ (childOf (*picker), nullptr);
    EXPECT_EQ (settings().getValue ("uporabnik"), "Cilka");

    // The next start keeps the picked user and asks nothing about it.
    answers.asked.clear();
    EXPECT_EQ (DatabaseStartupChecks::run(), DatabaseStartupChecks::Outcome::goOn);
    EXPECT_EQ (settings().getIntValue ("uporabnik:id"), 21);
    EXPECT_EQ (settings().getValue ("uporabnik"), "Cilka");
    EXPECT_FALSE (askedTitles().joinIntoString ("|").contains (TRANS ("ERROR.MAIN.003"))) << askedTitles().joinIntoString ("|");

    KWManager::getInstance()->endKWindow (&window, 0);
    pump();
}

TEST_F (SettingsPages, SelectWithoutARowKeepsTheRegisterOpenAndTheSettingsAsTheyWere)
{
    settings().setValue ("uporabnik", "Ana");
    auto& p = companyPage();
    auto* picker = p.getUserPicker();
    EXPECT_EQ (picker->getButtonText(), "Ana");
    clickButtonOf (*picker);
    auto* pickerWindow = childOf (*picker);
    ASSERT_NE (pickerWindow, nullptr);
    pickerWindow->setExitValue (ButtonCode::select);
    picker->changeListenerCallback (pickerWindow);
    pump();
    EXPECT_EQ (childOf (*picker), pickerWindow);
    EXPECT_TRUE (log.contains ("<UporabnikButtonPropertyComponent::changeListenerCallback> WARNING: row pointer is empty"));
    EXPECT_EQ (settings().getValue ("uporabnik"), "Ana");
    EXPECT_EQ (settings().getIntValue ("uporabnik:id"), (int) kUser);

    // A message from anything but the open register is only logged.
    log.clear();
    picker->changeListenerCallback (nullptr);
    EXPECT_TRUE (log.contains ("doing action"));
    EXPECT_FALSE (log.contains ("done"));
}

// The company warning of the next start is answered by a pick on the company page.
TEST_F (SettingsPages, PickingTheCompanyEndsTheStartUpWarning)
{
    settings().removeValue ("b_podjetje");
    DatabaseStartupChecks::run();
    EXPECT_TRUE (askedTitles().joinIntoString ("|").contains (TRANS ("ERROR.MAIN.008")));

    auto& p = companyPage();
    clickTitle (p.getPanel(), 0);
    auto* company = p.getCompanyPicker();
    clickButtonOf (*company);
    auto* browser = contentOf<PregledBazeStranka> (childOf (*company));
    ASSERT_NE (browser, nullptr);
    childOf (*company)->setSize (800, 400);
    pump();
    clickRow (*browser, columnOf (*browser, "ime").indexOf ("Klet d.o.o."));

    answers.asked.clear();
    DatabaseStartupChecks::run();
    EXPECT_FALSE (askedTitles().joinIntoString ("|").contains (TRANS ("ERROR.MAIN.008"))) << askedTitles().joinIntoString ("|");
    EXPECT_EQ (getPodjetje().id, (int) kCompany);
}

TEST_F (SettingsPages, TheClauseButtonOpensTheClausesToReadThenToEdit)
{
    auto& p = programPage();
    clickTitle (p.getPanel(), 7);
    auto* clauses = row (7, 7);
    ASSERT_NE (clauses, nullptr);
    auto& opener = *dynamic_cast<VindorWindowSetup*> (clauses);
    clickButtonOf (*clauses);
    auto* reading = childOf (opener);
    ASSERT_NE (reading, nullptr);
    EXPECT_EQ (reading->getTitle(), "ddv_klavzule");
    auto* browser = contentOf<PregledBazeKlavzule> (reading);
    ASSERT_NE (browser, nullptr);
    EXPECT_FALSE (browser->isEditable());
    EXPECT_EQ (buttonsOf (reading), texts ({ TRANS ("Close"), TRANS ("Print"), TRANS ("Editing") }));
    clickButtonOf (*clauses);
    EXPECT_EQ (childOf (opener), reading) << "one clause window at a time";

    press (reading, TRANS ("Editing"));
    auto* editing = childOf (opener);
    ASSERT_NE (editing, nullptr);
    ASSERT_NE (editing, reading);
    ASSERT_NE (contentOf<PregledBazeKlavzule> (editing), nullptr);
    EXPECT_TRUE (contentOf<PregledBazeKlavzule> (editing)->isEditable());
    EXPECT_EQ (buttonsOf (editing), texts ({ TRANS ("Cancel"), TRANS ("Save"), TRANS ("Edit"), TRANS ("Delete"), TRANS ("Insert") }));
}

// From the main window, as a person does it: the "Settings" tab, a section, a choice; the
// settings file on disk holds the change.
TEST_F (SettingsPages, AChoiceOnTheSettingsTabReachesTheSettingsFile)
{
    auto* callback = new MainWindowCallback ("Vindoro");
    auto& window = callback->getWindow();
    pump();
    auto* board = window.getContent();
    board->removeIntroScreen();
    auto* tabs = board->getTabs();
    auto* settingsTab = tabs->getTabbedButtonBar().getTabButton (1);
    ASSERT_NE (settingsTab, nullptr);
    EXPECT_EQ (settingsTab->getButtonText(), TRANS ("Settings"));
    settingsTab->triggerClick();
    pump();
    auto* program = dynamic_cast<PropertiesVindor*> (tabs->getCurrentContentComponent());
    ASSERT_NE (program, nullptr);
    ASSERT_TRUE (program->isShowing());

    clickTitle (program->getPanel(), 5);
    EXPECT_TRUE (program->getPanel().isSectionOpen (5));
    auto* reference = rowsOf (program->getPanel().getTitledSection (5))[0];
    ASSERT_TRUE (reference != nullptr && reference->isShowing());
    pick (*reference, TRANS ("sklic_mode_2"));
    settings().saveIfNeeded();
    EXPECT_EQ (storedOnDisk (settings().getFile(), "sklic_mode"), "10");

    KWManager::getInstance()->endKWindow (&window, 0);
    pump();
}
