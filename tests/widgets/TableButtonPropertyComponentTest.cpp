// The table pickers under a real X server: one child browser at a time, the switch between the
// choosing and the editing browser, and the special browser's hidden key and flag columns.
#include "db/SQLtoXml.h"
#include "frame/VindorWindow.h"
#include "support/ScriptedAnswerer.h"
#include "support/TestSupport.h"
#include "support/WindowTestParts.h"
#include "invoices/gui/PregledBazeKlavzule.h"
#include "widgets/SpecialPregledBaze.h"
#include "widgets/SpecialTableButtonPropertyComponent.h"
#include "widgets/TableButtonPropertyComponent.h"

#include <gtest/gtest.h>

namespace
{
using wtest::pump;

class PickerFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SQLtoXml q;
        ASSERT_TRUE (q.sqlQueryNA ("CREATE TABLE barvilo (id INTEGER PRIMARY KEY, naziv TEXT, active INTEGER)"));
        ASSERT_TRUE (q.sqlQueryNA ("INSERT INTO barvilo (naziv, active) VALUES ('rdece', 1), ('staro', 0), ('belo', 1)"));
        owner.setSize (600, 400);
    }

    void TearDown() override
    {
        wtest::closeOpenWindows (40);
    }

    static VindorWindow* childOf (VindorWindowSetup& picker)
    {
        return dynamic_cast<VindorWindow*> (picker.currentChild.get());
    }

    static PregledBaze* browserOf (VindorWindow* w)
    {
        return w != nullptr ? dynamic_cast<PregledBaze*> (w->getAction()) : nullptr;
    }

    static void press (VindorWindow* w, const juce::String& caption)
    {
        ASSERT_NE (w, nullptr);
        auto* button = wtest::windowButton (*w, caption);
        ASSERT_NE (button, nullptr) << "no button " << caption;
        button->triggerClick();
        pump (80);
    }

    vtest::FreshDatabase database;
    vtest::ScriptedAnswerer answerer;
    vtest::LogCapture log;
    juce::Component owner;
};
} // namespace

TEST_F (PickerFixture, OneChildAtATimeAndTheSwitchBetweenChoosingAndEditing)
{
    TableButtonPropertyComponent picker ("Barvilo", "barvilo", &owner, false);
    EXPECT_EQ (picker.getButtonText(), "barvilo");

    picker.buttonClicked();
    pump (40);
    auto* choosing = childOf (picker);
    ASSERT_NE (choosing, nullptr);
    EXPECT_EQ (choosing->getTitle(), "barvilo");
    EXPECT_FALSE (browserOf (choosing)->isEditable());
    EXPECT_EQ (browserOf (choosing)->getQuery(), "SELECT * FROM barvilo");
    EXPECT_TRUE (choosing->hasButton (7));   // Select, as an action only
    EXPECT_EQ (wtest::openWindowCount(), 1);

    picker.buttonClicked();   // the second click only brings the child forward
    pump (40);
    EXPECT_EQ (childOf (picker), choosing);
    EXPECT_EQ (wtest::openWindowCount(), 1);

    press (choosing, "Editing");
    auto* editing = childOf (picker);
    ASSERT_NE (editing, nullptr);
    EXPECT_NE (editing, choosing);
    EXPECT_TRUE (browserOf (editing)->isEditable());
    EXPECT_TRUE (editing->hasButton (6));
    pump (80);
    EXPECT_EQ (wtest::openWindowCount(), 1);

    press (editing, "Save");
    auto* again = childOf (picker);
    ASSERT_NE (again, nullptr);
    EXPECT_FALSE (browserOf (again)->isEditable());
    pump (80);
    EXPECT_EQ (wtest::openWindowCount(), 1);

    press (again, "Close");
    EXPECT_EQ (picker.currentChild.get(), nullptr);
    pump (80);
    EXPECT_EQ (wtest::openWindowCount(), 0);

    picker.buttonClicked();   // a new click opens a new child
    pump (40);
    EXPECT_NE (childOf (picker), nullptr);
}

TEST_F (PickerFixture, EditingPickerOpensTheEditingBrowserAndLogsInsert)
{
    TableButtonPropertyComponent picker ("Barvilo", "barvilo", &owner, true);
    picker.buttonClicked();
    pump (40);
    auto* editing = childOf (picker);
    ASSERT_NE (editing, nullptr);
    EXPECT_TRUE (browserOf (editing)->isEditable());

    // an answer from another window is not acted on
    TableButtonPropertyComponent other ("Drugo", "barvilo", &owner, false);
    other.buttonClicked();
    pump (40);
    picker.changeListenerCallback (childOf (other));
    EXPECT_EQ (childOf (picker), editing);
    picker.changeListenerCallback (nullptr);

    editing->setExitValue (6);
    picker.changeListenerCallback (editing);
    EXPECT_TRUE (log.contains ("INSERT callback received **********************"));
    editing->setExitValue (1);
    picker.changeListenerCallback (editing);
    EXPECT_TRUE (log.contains ("OK callback received **************************"));
}

TEST_F (PickerFixture, SpecialPickerListsActiveRowsWithoutKeyAndFlag)
{
    SpecialTableButtonPropertyComponent picker ("Barvilo", "Izberi barvilo", "barvilo", &owner);
    EXPECT_EQ (picker.getButtonText(), "Izberi barvilo");
    picker.buttonClicked();
    pump (40);
    EXPECT_TRUE (log.contains ("<SpecialTableButtonPropertyComponent::buttonClicked> tukaj"));
    auto* window = childOf (picker);
    ASSERT_NE (window, nullptr);
    EXPECT_TRUE (window->hasButton (8));
    auto* browser = dynamic_cast<SpecialPregledBaze*> (browserOf (window));
    ASSERT_NE (browser, nullptr);
    EXPECT_EQ (browser->getQuery(), "SELECT * FROM barvilo WHERE active=1");
    EXPECT_EQ (browser->getNumRows(), 2);

    auto& header = browser->getTable().getHeader();
    EXPECT_FALSE (header.isColumnVisible (1));   // id
    EXPECT_TRUE (header.isColumnVisible (2));    // naziv
    EXPECT_FALSE (header.isColumnVisible (3));   // active
    EXPECT_TRUE (header.isStretchToFitActive());
    EXPECT_TRUE (log.contains ("here 2 naziv"));
    EXPECT_TRUE (log.contains ("doesnt contains"));

    press (window, "Editing");
    auto* editing = childOf (picker);
    ASSERT_NE (editing, nullptr);
    EXPECT_TRUE (dynamic_cast<SpecialPregledBaze*> (browserOf (editing))->isEditable());
}

TEST_F (PickerFixture, AliasedKeyColumnIsStillHiddenByItsSourceName)
{
    SpecialPregledBaze browser ("SELECT id AS kljuc, naziv, active AS aktivno FROM barvilo WHERE active=1", 0);
    auto& header = browser.getTable().getHeader();
    EXPECT_FALSE (header.isColumnVisible (1));
    EXPECT_TRUE (header.isColumnVisible (2));
    EXPECT_FALSE (header.isColumnVisible (3));

    SpecialPregledBaze plain ("SELECT naziv FROM barvilo", 0);   // nothing to hide
    EXPECT_TRUE (plain.getTable().getHeader().isColumnVisible (1));
}

TEST_F (PickerFixture, ClauseBrowserReadsItsTable)
{
    SQLtoXml q;
    ASSERT_NE (q.sqlQuery ("SELECT * FROM ddv_klavzule"), nullptr);
    const int shipped = q.getNumRows();
    PregledBazeKlavzule browser (0);
    EXPECT_EQ (browser.getQuery(), "SELECT * FROM ddv_klavzule;");
    EXPECT_EQ (browser.getNumRows(), shipped);
    EXPECT_EQ (browser.getColumnSpec().prefix, "klavzule_");
    EXPECT_EQ (browser.getEditWindow(), nullptr);
    EXPECT_EQ (browser.currentChild.get(), nullptr);
}
