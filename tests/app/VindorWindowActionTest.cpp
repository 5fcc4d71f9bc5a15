// Button-code dispatch of the base content action, and the answers it gives without a window.
#include "WindowTestParts.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace
{
struct DispatchCase
{
    int code;
    const char* action;   // the virtual action the code must reach, empty for "notify the opener"
    bool setsDone;        // starting from false, the flag after the action
    int notifications;
};

class ButtonCodeDispatch : public ::testing::TestWithParam<DispatchCase> {};

TEST_P (ButtonCodeDispatch, ReachesItsActionAndAnswersTheOpener)
{
    const auto c = GetParam();
    vtest::LogCapture log;
    wtest::RecordingContent content;

    EXPECT_TRUE (content.buttonAction (c.code));
    if (juce::String (c.action).isEmpty())
    {
        EXPECT_TRUE (content.called.isEmpty()) << content.called.joinIntoString (",");
        EXPECT_TRUE (log.contains ("edit what inherits from VindorWindowAction::buttonAction"));
    }
    else
    {
        EXPECT_EQ (content.called, juce::StringArray (c.action));
    }
    EXPECT_EQ (content.doneFlag, c.setsDone);
    EXPECT_EQ (content.notifications, c.notifications);
    EXPECT_TRUE (log.contains ("<VindorWindowAction::buttonAction> tukaj"));
}

INSTANTIATE_TEST_SUITE_P (AllCodes, ButtonCodeDispatch,
    ::testing::Values (DispatchCase { 0, "cancel", true, 1 },
                       DispatchCase { 1, "ok", true, 1 },
                       DispatchCase { 3, "edit", true, 1 },
                       DispatchCase { 4, "", false, 1 },
                       DispatchCase { 5, "", false, 1 },
                       DispatchCase { 6, "insert", true, 1 },
                       DispatchCase { 7, "", false, 1 },
                       DispatchCase { 8, "print", false, 0 },
                       DispatchCase { 9, "preview", false, 0 },
                       DispatchCase { 10, "search", false, 0 },
                       DispatchCase { 11, "", false, 1 },
                       DispatchCase { 12, "", false, 1 },
                       DispatchCase { 13, "", false, 1 },
                       DispatchCase { 14, "", false, 1 },
                       DispatchCase { 15, "", false, 1 },
                       DispatchCase { 16, "", false, 1 }));

TEST (VindorWindowAction, NotifyingCodesLeaveAnEarlierDoneFlagAlone)
{
    for (int code : { 4, 5, 7, 11, 16 })
    {
        wtest::RecordingContent content;
        content.setDoneFlag (true);
        EXPECT_TRUE (content.buttonAction (code));
        EXPECT_TRUE (content.doneFlag) << code;
    }
}

TEST (VindorWindowAction, PrintPreviewAndSearchClearTheDoneFlag)
{
    for (int code : { 8, 9, 10 })
    {
        wtest::RecordingContent content;
        content.setDoneFlag (true);
        EXPECT_TRUE (content.buttonAction (code));
        EXPECT_FALSE (content.doneFlag) << code;
    }
}

TEST (VindorWindowAction, WithoutAWindowItAnswersNobody)
{
    vtest::LogCapture log;
    wtest::RecordingContent content;

    EXPECT_EQ (content.getExitValue(), 17);
    content.setExitValue (3); // nothing to set
    EXPECT_EQ (content.getExitValue(), 17);
    EXPECT_FALSE (content.hasSelectButton());
    EXPECT_EQ (content.getLastEditor(), nullptr);
    EXPECT_TRUE (log.contains ("getting nullptr"));

    content.notifyKWindowListener();
    EXPECT_TRUE (log.contains ("trying to inform parent along hard way"));
}

TEST (VindorWindowAction, LastEditorIsForgottenWhenTheEditorIsDeleted)
{
    vtest::LogCapture log;
    wtest::RecordingContent content;
    {
        juce::TextEditor editor;
        content.lastEditor = &editor;
        EXPECT_EQ (content.getLastEditor(), &editor);
        EXPECT_TRUE (log.contains ("getting focused component"));
    }
    EXPECT_EQ (content.getLastEditor(), nullptr);
}
} // namespace
