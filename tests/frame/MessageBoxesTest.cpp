#include "frame/MessageBoxes.h"
#include "support/ScriptedAnswerer.h"
#include "support/WidgetTestSupport.h"

#include <gtest/gtest.h>

namespace
{
// The real alert window is acted on once it is on screen: a key press or a click of a button by its text.
using wtest::whenAlertOpens;

void clickButton (juce::AlertWindow& box, const juce::String& text)
{
    if (auto* b = wtest::findChild<juce::Button> (box, [&] (juce::Button& candidate) { return candidate.getButtonText() == text; }))
        return b->triggerClick();
    ADD_FAILURE() << "no button " << text;
    box.exitModalState (-1);
}

// The box's own key handling, as a key press on the focused box reaches it.
void press (juce::Component& box, const juce::KeyPress& key) { box.keyPressed (key); }

class CountingThread : public juce::ThreadWithProgressWindow
{
public:
    explicit CountingThread (int steps) : ThreadWithProgressWindow ("Counting", true, true), total (steps) {}
    void run() override
    {
        for (int i = 0; i < total && ! threadShouldExit(); ++i)
        {
            setProgress (i / (double) total);
            ++done;
            wait (5);
        }
    }
    void threadComplete (bool cancelled) override { completedWithCancel = cancelled ? 1 : 0; }
    int total;
    std::atomic<int> done { 0 };
    int completedWithCancel = -1;
};
} // namespace

TEST (MessageBoxes, AnswererStandsInForThePerson)
{
    vtest::ScriptedAnswerer answers;
    answers.then (1).then (2).then (0).then (vtest::ScriptedAnswerer::kEscape);
    EXPECT_EQ (askYesNoCancel (vindoro::kIconQuestion, "Vprasanje", "Shranim?"), 1);
    EXPECT_EQ (askYesNoCancel (vindoro::kIconQuestion, "Vprasanje", "Shranim?"), 2);
    EXPECT_EQ (askYesNoCancel (vindoro::kIconQuestion, "Vprasanje", "Shranim?"), 0);
    EXPECT_EQ (askYesNoCancel (vindoro::kIconQuestion, "Vprasanje", "Shranim?"), 0);
    showMessageOK (vindoro::kIconWarning, "Napaka", "Besedilo");

    ASSERT_EQ (answers.asked.size(), 5u);
    const auto& q = answers.asked[0];
    EXPECT_EQ (q.icon, 1);
    EXPECT_EQ (q.title, "Vprasanje");
    EXPECT_EQ (q.message, "Shranim?");
    ASSERT_EQ (q.buttons.size(), 3u);
    EXPECT_EQ (q.buttons[0].text, juce::translate ("Yes"));
    EXPECT_EQ (q.buttons[1].text, juce::translate ("No"));
    EXPECT_EQ (q.buttons[2].text, juce::translate ("Cancel"));
    const auto& ok = answers.asked[4];
    EXPECT_EQ (ok.icon, 2);
    ASSERT_EQ (ok.buttons.size(), 1u);
    EXPECT_EQ (ok.buttons[0].text, juce::translate ("OK"));
}

TEST (MessageBoxes, OkCancelIsTrueOnlyForOk)
{
    vtest::ScriptedAnswerer answers;
    answers.then (1).then (0).then (vtest::ScriptedAnswerer::kEscape);
    EXPECT_TRUE (askOkCancel ("Brisanje", "Izbrisem?"));
    EXPECT_FALSE (askOkCancel ("Brisanje", "Izbrisem?"));
    EXPECT_FALSE (askOkCancel ("Brisanje", "Izbrisem?"));

    ASSERT_EQ (answers.asked.size(), 3u);
    const auto& q = answers.asked[0];
    EXPECT_EQ (q.icon, vindoro::kIconQuestion);
    EXPECT_EQ (q.title, "Brisanje");
    EXPECT_EQ (q.message, "Izbrisem?");
    ASSERT_EQ (q.buttons.size(), 2u);
    EXPECT_EQ (q.buttons[0].text, juce::translate ("OK"));
    EXPECT_EQ (q.buttons[0].result, 1);
    EXPECT_EQ (q.buttons[1].text, juce::translate ("Cancel"));
    EXPECT_EQ (q.buttons[1].result, 0);

    // the real box: Escape is Cancel
    vindoro::setModalAnswerer (nullptr);
    whenAlertOpens ([] (juce::AlertWindow& b) { press (b, juce::KeyPress (juce::KeyPress::escapeKey)); });
    EXPECT_FALSE (askOkCancel ("Brisanje", "Izbrisem?"));
    whenAlertOpens ([] (juce::AlertWindow& b) { clickButton (b, juce::translate ("OK")); });
    EXPECT_TRUE (askOkCancel ("Brisanje", "Izbrisem?"));
    vindoro::setModalAnswerer (&answers);
}

TEST (MessageBoxes, RealAlertWindowAnswersByKeyAndClick)
{
    ASSERT_EQ (vindoro::getModalAnswerer(), nullptr);
    struct Case { std::function<void (juce::AlertWindow&)> act; int expected; };
    const Case cases[] = {
        { [] (juce::AlertWindow& b) { press (b, juce::KeyPress (juce::KeyPress::escapeKey)); }, 0 },
        { [] (juce::AlertWindow& b) { press (b, juce::KeyPress ('y')); }, 1 },
        { [] (juce::AlertWindow& b) { press (b, juce::KeyPress ('n')); }, 2 },
        { [] (juce::AlertWindow& b) { clickButton (b, juce::translate ("No")); }, 2 },
        { [] (juce::AlertWindow& b) { clickButton (b, juce::translate ("Cancel")); }, 0 },
        { [] (juce::AlertWindow& b) { clickButton (b, juce::translate ("Yes")); }, 1 },
    };
    for (const auto& c : cases)
    {
        whenAlertOpens (c.act);
        EXPECT_EQ (askYesNoCancel (vindoro::kIconQuestion, "Vprasanje", "Shranim?"), c.expected);
    }

    bool closed = false;
    whenAlertOpens ([&closed] (juce::AlertWindow& b) { closed = true; press (b, juce::KeyPress (juce::KeyPress::returnKey)); });
    showMessageOK (vindoro::kIconInformation, "Info", "Besedilo");
    EXPECT_TRUE (closed);
}

TEST (MessageBoxes, ProgressThreadsRunWithoutAPerson)
{
    vtest::ScriptedAnswerer answers;
    CountingThread finishing (10);
    EXPECT_TRUE (vindoro::runProgressWindow (finishing));
    EXPECT_EQ (finishing.done.load(), 10);
    EXPECT_EQ (finishing.completedWithCancel, 0);
    EXPECT_EQ (answers.progressTitles[0], "Counting");

    answers.cancelProgressAfter (30);
    CountingThread cancelled (100000);
    EXPECT_FALSE (vindoro::runProgressWindow (cancelled));
    EXPECT_LT (cancelled.done.load(), 100000);
    EXPECT_EQ (cancelled.completedWithCancel, 1);
}
