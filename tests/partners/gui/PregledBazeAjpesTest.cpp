// The register hit browser on screen (Xvfb): the hits of a real search sorted by short name, a
// click picking one row and reporting Select with the window left open, OK and Close answering
// the opener, and the hits freed exactly once with the browser.
#include "partners/AjpesRegisterFixture.h"
#include "partners/WebFind.h"
#include "partners/gui/PregledBazeAjpes.h"
#include "frame/VindorWindow.h"
#include "support/WindowTestParts.h"

#include <gtest/gtest.h>

namespace
{
using wtest::pump;

const juce::StringArray kShown { "ime", "kratko_ime", "naslov", "maticna", "davcna" };

// A left click as the window system delivers it, at a point of `target`.
void clickAt (juce::Component& target, juce::Point<int> local, juce::uint32 at)
{
    auto* peer = target.getPeer();
    ASSERT_NE (peer, nullptr);
    const auto p = peer->getComponent().getLocalPoint (&target, local).toFloat();
    using Source = juce::MouseInputSource;
    peer->handleMouseEvent (Source::InputSourceType::mouse, p, juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier),
                            Source::defaultPressure, Source::defaultOrientation, (juce::int64) at);
    peer->handleMouseEvent (Source::InputSourceType::mouse, p, juce::ModifierKeys(), Source::defaultPressure,
                            Source::defaultOrientation, (juce::int64) at + 20);
    pump (30);
}

// Clicks the middle of the short-name cell of a table row; far apart in time, so never a double click.
void clickRow (PregledBazeAjpes& browser, int row)
{
    static juce::uint32 clock = juce::Time::getMillisecondCounter();
    clock += 2000;
    auto& table = browser.getTable();
    const auto cell = table.getCellPosition (2, row, true);
    clickAt (table, cell.getCentre(), clock);
}

// Presses the window's button that shows `label`, as a person reading the bar would.
void press (VindorWindow& window, const juce::String& label)
{
    for (int i = 0; auto* button = window.getButton (i); ++i)
        if (button->getButtonText() == label)
        {
            button->triggerClick();
            pump (200);
            return;
        }
    ADD_FAILURE() << "no button " << label;
}

class RegisterHitBrowser : public vtest::AjpesRegisterTest
{
protected:
    std::unique_ptr<juce::XmlElement> searchThreeHits()
    {
        reg.hits = { { "1111111000", "PRVA KLET d.o.o.", "Prva", "Ulica 1, 1000 Ljubljana", "11111111" },
                     { "2222222000", "BREG d.o.o.", "Breg", "Ulica 2, 2000 Maribor", "22222222" },
                     { "3333333000", "CVET d.o.o.", "Cvet", "Ulica 3, 3000 Celje", "33333333" } };
        WebFind find ({});
        return find.takeRezultat();
    }

    PregledBazeAjpes* browserIn (KWindow* window) { return dynamic_cast<PregledBazeAjpes*> (window->getAction()); }

    wtest::RecordingOpener opener;
};

TEST_F (RegisterHitBrowser, ShowsTheHitsByShortNameWithTheirIdHiddenButKept)
{
    auto hits = searchThreeHits();
    auto* window = PregledBazeAjpes::launch (std::move (hits), opener, opener, nullptr);
    pump (200);
    ASSERT_EQ (opener.currentChild.get(), window);
    EXPECT_EQ (window->getTitle(), TRANS ("strankaajpes1"));
    auto* browser = browserIn (window);
    ASSERT_NE (browser, nullptr);

    ASSERT_EQ (browser->getNumRows(), 3);
    EXPECT_EQ (browser->rowAt (0)->getStringAttribute ("kratko_ime"), "Breg");
    EXPECT_EQ (browser->rowAt (1)->getStringAttribute ("kratko_ime"), "Cvet");
    EXPECT_EQ (browser->rowAt (2)->getStringAttribute ("kratko_ime"), "Prva");

    auto& header = browser->getTable().getHeader();
    EXPECT_EQ (header.getSortColumnId(), 2);
    for (int i = 0; i < kShown.size(); ++i)
    {
        EXPECT_TRUE (header.isColumnVisible (i + 1)) << kShown[i];
        EXPECT_EQ (header.getColumnName (i + 1), TRANS ("ajpes_" + kShown[i]));
    }
    EXPECT_EQ (browser->getAttributeNameForColumnId (6), "ajpesid");
    EXPECT_FALSE (header.isColumnVisible (6));

    clickRow (*browser, 1);
    ASSERT_NE (browser->getSelectedRow(), nullptr);
    EXPECT_EQ (browser->getSelectedRow()->getStringAttribute ("ajpesid"), "s=1&e=3333333000");
    window->closeKW();
    pump (100);
}

TEST_F (RegisterHitBrowser, AClickPicksOneRowAndReportsSelectWithTheWindowOpen)
{
    auto* window = PregledBazeAjpes::launch (searchThreeHits(), opener, opener, nullptr);
    KWindowRef alive (window);
    pump (200);
    auto* browser = browserIn (window);

    clickRow (*browser, 0);
    ASSERT_EQ (opener.answers.size(), 1u);
    EXPECT_EQ (opener.answers[0].exitValue, ButtonCode::select);
    EXPECT_EQ (opener.answers[0].source, window);
    EXPECT_NE (alive.get(), nullptr);
    EXPECT_EQ (browser->getSelectedRow(), browser->rowAt (0));

    clickRow (*browser, 2);
    EXPECT_EQ (opener.answers.size(), 2u);
    EXPECT_EQ (browser->getSelectedRow(), browser->rowAt (2));
    EXPECT_EQ (browser->getTable().getNumSelectedRows(), 1);

    clickRow (*browser, 2); // again on the picked row: it stays picked
    EXPECT_EQ (opener.answers.back().exitValue, ButtonCode::select);
    EXPECT_EQ (browser->getSelectedRow(), browser->rowAt (2));
    EXPECT_EQ (browser->getTable().getNumSelectedRows(), 1);
    EXPECT_NE (alive.get(), nullptr);

    // OK: the opener reads the pick while the window still stands, then it closes
    juce::String taken;
    opener.onAnswer = [&] (KWindow* kw) {
        if (kw->getExitValue() == ButtonCode::ok)
            if (auto* row = kw->getAction()->getSelectedRow())
                taken = row->getStringAttribute ("ajpesid");
    };
    press (*window, TRANS ("OK"));
    EXPECT_EQ (opener.answers.back().exitValue, ButtonCode::ok);
    EXPECT_EQ (taken, "s=1&e=1111111000");
    EXPECT_EQ (alive.get(), nullptr);
}

TEST_F (RegisterHitBrowser, CloseAnswersZero)
{
    auto* window = PregledBazeAjpes::launch (searchThreeHits(), opener, opener, nullptr);
    KWindowRef alive (window);
    pump (200);
    press (*window, TRANS ("Close"));
    ASSERT_EQ (opener.answers.size(), 1u);
    EXPECT_EQ (opener.answers[0].exitValue, ButtonCode::cancel);
    EXPECT_EQ (alive.get(), nullptr);
}

// Run only as the child of the next test: its process ends right after, so the framework's leak
// detector speaks at that exit about anything the browser left behind or freed twice.
TEST (RegisterHitBrowserChild, DISABLED_OpenPickAndClose)
{
    vtest::TestSettings settings;
    wtest::RecordingOpener opener;
    auto hits = std::make_unique<juce::XmlElement> ("MYSQL_DATA");
    auto* columns = hits->createNewChildElement ("COLUMNS");
    int id = 1;
    for (auto* name : { "ime", "kratko_ime", "naslov", "maticna", "davcna", "ajpesid" })
    {
        auto* c = columns->createNewChildElement ("COLUMN");
        c->setAttribute ("columnId", id++);
        c->setAttribute ("name", name);
    }
    auto* data = hits->createNewChildElement ("DATA");
    for (auto* shortName : { "B", "A" })
    {
        auto* item = data->createNewChildElement ("ITEM");
        item->setAttribute ("kratko_ime", shortName);
        item->setAttribute ("ajpesid", juce::String ("s=1&e=") + shortName);
    }
    auto* window = PregledBazeAjpes::launch (std::move (hits), opener, opener, nullptr);
    KWindowRef alive (window);
    pump (200);
    clickRow (*dynamic_cast<PregledBazeAjpes*> (window->getAction()), 1);
    press (*window, TRANS ("OK"));
    pump (100);
    ASSERT_EQ (alive.get(), nullptr);
}

TEST (RegisterHitBrowserMemory, TheHitsAreFreedOnceWithTheBrowser)
{
    juce::ChildProcess child;
    const auto self = juce::File::getSpecialLocation (juce::File::currentExecutableFile).getFullPathName();
    juce::StringArray command;
    command.add (self);
    command.add ("--gtest_also_run_disabled_tests");
    command.add ("--gtest_filter=RegisterHitBrowserChild.DISABLED_OpenPickAndClose");
    ASSERT_TRUE (child.start (command, juce::ChildProcess::wantStdOut | juce::ChildProcess::wantStdErr));
    const auto output = child.readAllProcessOutput();
    ASSERT_TRUE (child.waitForProcessToFinish (60000));
    EXPECT_EQ (child.getExitCode(), 0u) << output;
    EXPECT_TRUE (output.contains ("[  PASSED  ] 1 test")) << output;
    EXPECT_FALSE (output.contains ("Leaked objects")) << output;
    EXPECT_FALSE (output.contains ("Dangling pointer")) << output;
}
} // namespace
