// The parcel register under a real X server, driven by clicks: the picker's choosing browser
// (one click picks), the editing browser with its editor (a new parcel starts from the selected
// one and goes back to the picker as the choice), and a deleted parcel leaving the register.
#include "cellar/gui/ParcelaButtonPropertyComponent.h"
#include "cellar/gui/ParcelaEditor.h"
#include "cellar/gui/PregledBazeParcela.h"
#include "partners/gui/DrzavaTableButtonPropertyComponent.h"
#include "partners/gui/PartnerWindows.h"
#include "support/FaultInjection.h"
#include "support/ScriptedAnswerer.h"
#include "support/TestSupport.h"

using namespace ptest;

namespace
{
class ParcelWindows : public ::testing::Test
{
protected:
    void SetUp() override
    {
        juce::LocalisedStrings::setCurrentMappings (
            new juce::LocalisedStrings (vtest::resourcesFolder().getChildFile ("slovensko.txt"), true));
        ASSERT_TRUE (vtest::execOn (db.file(),
            "INSERT INTO stranka(id,ime,naselje,drzava,tipstranke,active) VALUES (7,'Vinogradnik Breg','Kog',185,2,1),(8,'Kupec','',185,8,1);"
            "INSERT INTO parcela(id,ime,vinogradnik,gerkpid,drzava,active) VALUES (5,'Breg',7,'G-5',92,1),(6,'Abrama',7,'',185,1)"));
        form.setSize (500, 300);
    }
    void TearDown() override
    {
        closeAllWindows();
        juce::LocalisedStrings::setCurrentMappings (nullptr);
    }

    ParcelaButtonPropertyComponent& placePicker()
    {
        picker = std::make_unique<ParcelaButtonPropertyComponent> (TRANS ("Izberi parcelo"), TRANS ("Parcela"), &form);
        form.addAndMakeVisible (*picker);
        picker->setBounds (0, 0, 500, picker->getPreferredHeight());
        return *picker;
    }

    juce::StringArray rows (const juce::String& sql) { return vtest::rowsOf (db.file(), sql); }
    static int rowNamed (PregledBaze& b, const juce::String& name) { return columnOf (b, "parcela").indexOf (name); }

    vtest::FreshDatabase db;
    vtest::ScriptedAnswerer answers;
    vtest::LogCapture log;
    juce::Component form;
    std::unique_ptr<ParcelaButtonPropertyComponent> picker;
};
} // namespace

TEST_F (ParcelWindows, OneClickInThePickersBrowserChoosesTheParcel)
{
    auto& row = placePicker();
    EXPECT_EQ (row.getButtonText(), TRANS ("Izberi parcelo"));
    EXPECT_EQ (row.getParcela().id, -1);
    clickButtonOf (row);
    auto* window = childOf (row);
    ASSERT_NE (window, nullptr);
    EXPECT_EQ (window->getTitle(), "parcela");
    auto* browser = contentOf<PregledBazeParcela> (window);
    ASSERT_NE (browser, nullptr);
    EXPECT_FALSE (browser->isEditable());
    EXPECT_EQ (buttonsOf (window), juce::StringArray (juce::Array<juce::String> { TRANS ("Close"), TRANS ("Editing") }));
    EXPECT_EQ (columnOf (*browser, "parcela"), juce::StringArray ({ "Abrama", "Breg" }));   // by name, placeholder left out
    auto& header = browser->getTable().getHeader();
    EXPECT_FALSE (header.isColumnVisible (7));   // the country by its code only
    EXPECT_FALSE (header.isColumnVisible (9));
    EXPECT_TRUE (header.isColumnVisible (8));

    window->setSize (800, 400);
    pump();
    clickRow (*browser, rowNamed (*browser, "Breg"));
    EXPECT_EQ (row.getButtonText(), "Breg");
    EXPECT_EQ (row.getParcela().id, 5);
    EXPECT_EQ (row.getParcela().drzava.kratica, "HR");
    EXPECT_EQ (row.getParcela().vinogradnik.ime, "Vinogradnik Breg");
    EXPECT_EQ (childOf (row), nullptr);
    pump (100);
    EXPECT_EQ (openWindows(), 0);
}

TEST_F (ParcelWindows, InsertStartsFromTheSelectedParcelAndTheNewOneIsChosen)
{
    auto& row = placePicker();
    clickButtonOf (row);
    press (childOf (row), TRANS ("Editing"));
    auto* editing = childOf (row);
    auto* browser = contentOf<PregledBazeParcela> (editing);
    ASSERT_NE (browser, nullptr);
    EXPECT_TRUE (browser->isEditable());
    EXPECT_EQ (buttonsOf (editing), juce::StringArray (juce::Array<juce::String> { TRANS ("Close"), TRANS ("Edit"), TRANS ("Delete"), TRANS ("Insert") }));
    editing->setSize (800, 400);
    pump();
    clickRow (*browser, rowNamed (*browser, "Breg"));
    press (editing, TRANS ("Insert"));
    auto* dialog = childOf (*browser);
    ASSERT_NE (dialog, nullptr);
    EXPECT_EQ (dialog->getTitle(), TRANS ("Dodaj Parcelo"));
    auto* editor = contentOf<ParcelaEditor> (dialog);
    ASSERT_NE (editor, nullptr);
    EXPECT_EQ (editor->getImeValue().toString(), "Breg");
    EXPECT_EQ (editor->getGerkValue().toString(), "G-5");
    EXPECT_EQ (editor->getCountryRow()->getDrzava().id, 92);
    EXPECT_EQ (editor->getCountryRow()->getButtonText(), "HRVAŠKA");

    press (editing, TRANS ("Insert"));   // a second Insert while the editor is open opens nothing
    EXPECT_EQ (childOf (*browser), dialog);
    editor->getImeValue() = "Breg 'Pod lipo'";
    press (dialog, TRANS ("Save"));
    pump (100);
    EXPECT_EQ (rows ("SELECT ime,vinogradnik,gerkpid,drzava,active FROM parcela WHERE id>1 ORDER BY id"),
               juce::StringArray ({ "Breg|7|G-5|92|1", "Abrama|7||185|1", "Breg 'Pod lipo'|7|G-5|92|1" }));
    EXPECT_EQ (row.getButtonText(), "Breg 'Pod lipo'");
    EXPECT_GT (row.getParcela().id, 6);
    EXPECT_EQ (childOf (row), nullptr);
    pump (100);
    EXPECT_EQ (openWindows(), 0);
}

TEST_F (ParcelWindows, AFreshParcelStartsInSloveniaAndNeedsAGrower)
{
    PregledBazeParcela browser (true);
    browser.setSize (800, 400);
    ASSERT_TRUE (browser.insertAction());
    auto* dialog = childOf (browser);
    auto* editor = contentOf<ParcelaEditor> (dialog);
    ASSERT_NE (editor, nullptr);
    EXPECT_TRUE (editor->getImeValue().toString().isEmpty());
    EXPECT_EQ (editor->getCountryRow()->getDrzava().id, 185);
    EXPECT_EQ (editor->getParcela().vinogradnik.id, -1);
    editor->getImeValue() = "Nova";
    EXPECT_FALSE (editor->okAction());
    EXPECT_EQ (editor->errorMessage, TRANS ("Vinogradnik ni dolocen"));

    StrankaRecord grower;
    grower.id = 7;
    grower.ime = "Vinogradnik Breg";
    editor->setStrankaIDN (grower, 1);
    press (dialog, TRANS ("Save"));
    pump (100);
    EXPECT_EQ (rows ("SELECT ime,vinogradnik,drzava FROM parcela WHERE ime='Nova'"), juce::StringArray ({ "Nova|7|185" }));
    EXPECT_EQ (columnOf (browser, "parcela"), juce::StringArray ({ "Abrama", "Breg", "Nova" }));
}

TEST_F (ParcelWindows, AnEditReactivatesAndADeleteOnlySwitchesOff)
{
    PregledBazeParcela browser (true);
    browser.setSize (800, 400);
    EXPECT_FALSE (browser.deleteAction());
    EXPECT_EQ (browser.errorMessage, TRANS ("Parcela ni izbrana"));

    ASSERT_TRUE (vtest::execOn (db.file(), "UPDATE parcela SET active=0 WHERE id=6"));   // switched off meanwhile
    browser.getTable().selectRow (0);   // "Abrama", still listed
    ASSERT_TRUE (browser.editAction());
    auto* editor = contentOf<ParcelaEditor> (childOf (browser));
    ASSERT_NE (editor, nullptr);
    editor->getGerkValue() = "G-6";
    press (childOf (browser), TRANS ("Save"));
    EXPECT_EQ (rows ("SELECT gerkpid,active FROM parcela WHERE id=6"), juce::StringArray ({ "G-6|1" }));

    browser.getTable().selectRow (columnOf (browser, "parcela").indexOf ("Breg"));
    answers.then (1);
    EXPECT_TRUE (browser.deleteAction());
    EXPECT_EQ (rows ("SELECT active FROM parcela WHERE id=5"), juce::StringArray ({ "0" }));
    EXPECT_EQ (columnOf (browser, "parcela"), juce::StringArray ({ "Abrama" }));
}
