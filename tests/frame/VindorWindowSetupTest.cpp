// The opener's side: the button list and what it does with a child's answer.
#include "frame/KWManager.h"
#include "frame/VindorWindow.h"
#include "support/BrowserTestParts.h"
#include "support/TestSupport.h"
#include "support/WindowTestParts.h"

#include <gtest/gtest.h>

namespace
{
using wtest::pump;

TEST (VindorWindowSetup, ButtonListKeepsTheOrderOfTheCalls)
{
    wtest::RecordingOpener opener;
    opener.addButton ("Close", 0);
    opener.addButton ("Select", 7, false, true);
    ASSERT_EQ (opener.buttonList.size(), 2);
    EXPECT_EQ (opener.buttonList[1].label, "Select");
    EXPECT_EQ (opener.buttonList[1].code, 7);
    EXPECT_FALSE (opener.buttonList[1].visible);
    EXPECT_TRUE (opener.buttonList[1].actionOnly);
    EXPECT_EQ (opener.buttonList[1].index, 0);
    EXPECT_EQ (opener.buttonList[1].button.getComponent(), nullptr);
    opener.clearButtons();
    EXPECT_TRUE (opener.buttonList.isEmpty());
}

TEST (VindorWindowSetup, BaseCallbackForgetsTheChild)
{
    vtest::LogCapture log;
    juce::Component plain;
    struct BaseOpener : juce::Component, VindorWindowSetup {} opener;
    vtest::TestSettings settings;
    opener.addButton ("Save", 1);
    auto* window = VindorWindow::launchNormal ("Osnovni", new wtest::RecordingContent(), &plain, &opener);
    opener.currentChild = window;
    window->getButton (0)->triggerClick();
    pump();
    EXPECT_EQ (opener.currentChild.get(), nullptr);
    EXPECT_TRUE (log.contains ("<VindorWindowSetup::changeListenerCallback> here"));
}

struct ChildResultCase
{
    const char* name;
    int exitValue;
    int expectedCode;
    int mode;
    bool result;
    bool closed;
    bool forgotten;
};

void PrintTo (const ChildResultCase& c, std::ostream* os) { *os << c.name; }

class CheckChildResult : public ::testing::TestWithParam<ChildResultCase>
{
protected:
    vtest::TestSettings settings;
};

TEST_P (CheckChildResult, ClosesAndForgetsByMode)
{
    const auto c = GetParam();
    wtest::RecordingOpener opener;
    opener.addButton ("Close", 0);
    juce::Component::SafePointer<juce::Component> alive;
    auto* content = new wtest::RecordingContent();
    alive = content;
    auto* window = VindorWindow::launchNormal ("Otrok", content, &opener, &opener);
    opener.currentChild = window;
    pump();
    const int before = KWManager::getInstance()->getNumKWindows();

    window->setExitValue (c.exitValue);
    EXPECT_EQ (opener.checkChildResult (window, c.expectedCode, c.mode), c.result) << c.name;
    EXPECT_EQ (KWManager::getInstance()->getNumKWindows() == before - 1, c.closed) << c.name;
    EXPECT_EQ (opener.currentChild.get() == nullptr, c.forgotten) << c.name;

    pump();
    EXPECT_EQ (alive.getComponent() == nullptr, c.closed) << c.name;
    if (alive != nullptr)
    {
        window->closeKW();
        pump();
    }
    // Whatever the mode, a deleted child is never left behind as a dangling pointer.
    EXPECT_EQ (opener.currentChild.get(), nullptr) << c.name;
}

INSTANTIATE_TEST_SUITE_P (VindorWindowSetup, CheckChildResult,
    ::testing::Values (ChildResultCase { "edit with mode 0 closes, keeps", 3, 3, 0, true, true, false },
                       ChildResultCase { "edit with mode 3 closes, forgets", 3, 3, 3, true, true, true },
                       ChildResultCase { "save item with mode 0 closes, keeps", 4, 4, 0, true, true, false },
                       ChildResultCase { "cancel with mode 0 forgets only", 0, 0, 0, true, false, true },
                       ChildResultCase { "ok with mode 0 changes nothing", 1, 1, 0, true, false, false },
                       ChildResultCase { "ok with mode 2 closes, keeps", 1, 1, 2, true, true, false },
                       ChildResultCase { "ok with mode 1 forgets only", 1, 1, 1, true, false, true },
                       ChildResultCase { "other code changes nothing", 5, 3, 3, false, false, false }),
    [] (const auto& info) { return "case" + std::to_string (info.index); });

TEST (VindorWindowSetup, CheckChildResultIgnoresOtherSources)
{
    vtest::TestSettings settings;
    wtest::RecordingOpener opener;
    opener.addButton ("Close", 0);
    auto* first = VindorWindow::launchNormal ("Prvi", new wtest::RecordingContent(), &opener, &opener);
    auto* second = VindorWindow::launchNormal ("Drugi", new wtest::RecordingContent(), &opener, &opener);
    opener.currentChild = second;
    first->setExitValue (3);
    EXPECT_FALSE (opener.checkChildResult (first, 3, 3));
    EXPECT_FALSE (opener.checkChildResult (nullptr, 3, 3));
    EXPECT_EQ (opener.currentChild.get(), static_cast<KWindow*> (second));
    first->closeKW();
    second->closeKW();
    pump();
}

// The fixture's database brings its own settings, where window positions go too.
using PickedRow = btest::BrowserDatabase;

TEST_F (PickedRow, OpenerReadsTheRowPickedInItsBrowser)
{
    addRows (3);
    wtest::RecordingOpener opener;
    opener.addButton ("Close", 0);
    opener.addButton ("Select", 7, false, true);
    juce::String picked;
    opener.onAnswer = [&] (KWindow* source)
    {
        if (auto* row = opener.callback_getSelectedRow (source, 3))
            picked = row->getStringAttribute ("ime");
    };
    auto* browser = new btest::TestBrowser (btest::kQuery, false);
    juce::Component::SafePointer<juce::Component> alive (browser);
    auto* window = VindorWindow::launchNormal ("Izbira", browser, &opener, &opener);
    opener.currentChild = window;
    pump();

    browser->getTable().selectRow (1);
    browser->returnKeyPressed (1);
    EXPECT_EQ (picked, "R002");
    EXPECT_EQ (opener.currentChild.get(), nullptr) << "mode 3 forgets the child";
    pump();
    EXPECT_EQ (alive.getComponent(), nullptr) << "and closes it";
}

TEST_F (PickedRow, NoRowWithoutAPick)
{
    vtest::LogCapture log;
    addRows (2);
    wtest::RecordingOpener opener;
    opener.addButton ("Close", 0);
    auto* window = VindorWindow::launchNormal ("Izbira", new btest::TestBrowser (btest::kQuery, false), &opener, &opener);
    opener.currentChild = window;
    window->setExitValue (1);

    EXPECT_EQ (opener.callback_getSelectedRow (window, 3), nullptr);
    EXPECT_TRUE (log.contains ("WARNING: row pointer is empty"));
    EXPECT_EQ (opener.currentChild.get(), static_cast<KWindow*> (window)) << "another answer is left alone";

    // A pick in a window that is no browser: no row, but the child is handled as asked.
    wtest::RecordingOpener other;
    other.addButton ("Close", 0);
    auto* plain = VindorWindow::launchNormal ("Ni brskalnik", new wtest::RecordingContent(), &other, &other);
    other.currentChild = plain;
    plain->setExitValue (7);
    EXPECT_EQ (other.callback_getSelectedRow (plain, 1), nullptr);
    EXPECT_EQ (other.currentChild.get(), nullptr);

    window->closeKW();
    plain->closeKW();
    pump();
}
} // namespace
