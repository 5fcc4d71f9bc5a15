// Button-code dispatch of the base content action, and the answers it gives without a window.
#include "support/WindowTestParts.h"
#include "core/Globals.h"
#include "core/VindorLanguage.h"
#include "print/VindorPrintSettings.h"
#include "print/myPrint.h"
#include "support/PreviewCatcher.h"
#include "support/ScriptedAnswerer.h"
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

void PrintTo (const DispatchCase& c, std::ostream* os) { *os << "code " << c.code; }

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
TEST (VindorWindowAction, CloseAfterAskingClosesOnlyOnYes)
{
    struct Case { int answer; bool done; int notifications; };
    for (auto c : { Case { 1, true, 1 }, Case { 2, false, 0 }, Case { 0, false, 0 }, Case { vtest::ScriptedAnswerer::kEscape, false, 0 } })
    {
        vtest::ScriptedAnswerer answerer;
        answerer.then (c.answer);
        wtest::RecordingContent content;
        content.setDoneFlag (! c.done);

        EXPECT_TRUE (content.buttonAction (2));
        EXPECT_EQ (content.doneFlag, c.done) << c.answer;
        EXPECT_EQ (content.notifications, c.notifications) << c.answer;
        ASSERT_EQ (answerer.asked.size(), 1u);
        EXPECT_EQ (answerer.asked[0].icon, vindoro::kIconQuestion);
        EXPECT_EQ (answerer.asked[0].title, TRANS ("Cancel"));
        EXPECT_EQ (answerer.asked[0].message, TRANS ("cancel edit question"));
    }
}
/** A report of a fixed number of pages that notes the language in force while it is laid out. */
class PagedReport : public wtest::RecordingContent
{
public:
    explicit PagedReport (int pagesPerCopy) : pagesPerCopy (pagesPerCopy) {}

    int printReport (juce::Rectangle<int>, myPrint&, VindorPrintSettings&, myPrint* output, int totalPages) override
    {
        passes.add (juce::String (output != nullptr ? "print " : "count ") + juce::String (totalPages));
        if (auto* language = getLanguage())
            languages.add (language->current);
        if (output != nullptr)
            for (int page = 1; page < pagesPerCopy; ++page)
                output->newPage (page);
        return pagesPerCopy;
    }

    int pagesPerCopy;
    juce::StringArray passes;
    juce::Array<int> languages;
};

class PrintLoop : public ::testing::Test
{
protected:
    PrintLoop()
    {
        settings.user().setValue ("tempfolder", settings.folder().get().getFullPathName());
        settings.user().setValue ("resourcespath", vtest::resourcesFolder().getFullPathName());
        settings.user().setValue ("folder_nw", "/");
        setLanguageObject (&language);
        print.setDefaults ("test");
        print.setValue ("printname", "porocilo");
    }
    ~PrintLoop() override
    {
        setLanguageObject (nullptr);
        juce::LocalisedStrings::setCurrentMappings (nullptr); // later tests start untranslated
    }

    int pagesInJob()
    {
        if (catcher.opened.isEmpty())
            return -1;
        juce::StringArray lines;
        lines.addLines (catcher.opened.getFirst().loadFileAsString());
        int pages = 0;
        for (auto& line : lines)
            pages += line.startsWith ("%%Page: ") ? 1 : 0;
        return pages;
    }

    vtest::TestSettings settings;
    VindorLanguage language;
    VindorPrintSettings print;
    vtest::PreviewCatcher catcher;
};

TEST_F (PrintLoop, PrintsEveryCopyAfterCountingThePages)
{
    PagedReport report (3);
    print.setValue ("ncopies", 2);
    report.setDoneFlag (true);

    EXPECT_TRUE (report.printAction (&print));
    EXPECT_EQ (report.passes, juce::StringArray ({ "count -1", "print 3", "print 3" }));
    EXPECT_FALSE (report.doneFlag);
    ASSERT_EQ (catcher.opened.size(), 1);
    EXPECT_TRUE (catcher.opened.getFirst().loadFileAsString().contains ("%%Pages: 6"));
    EXPECT_EQ (pagesInJob(), 6);
}

// Copies set by a window or left in the settings file never reach the dialog's check: the job
// itself holds them to 1 … 99, so nothing loops thousands of times and nothing prints no copy.
TEST_F (PrintLoop, CopiesOutsideOneToNinetyNineAreHeldToTheRange)
{
    struct Case { juce::var copies; int printed; };
    const Case cases[] = { { 0, 1 }, { -4, 1 }, { "abc", 1 }, { 150, 99 }, { 3, 3 } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.copies.toString());
        PagedReport report (1);
        print.setValue ("ncopies", c.copies);
        catcher.opened.clear();
        EXPECT_TRUE (report.printAction (&print));
        EXPECT_EQ (report.passes.size(), 1 + c.printed);
        EXPECT_TRUE (catcher.opened.getLast().loadFileAsString().contains ("%%Pages: " + juce::String (c.printed) + "\n"));
        EXPECT_EQ (pagesInJob(), c.printed);
    }
}

TEST_F (PrintLoop, PrintsInTheLanguageAskedForAndSwitchesBack)
{
    PagedReport report (1);
    print.setValue ("lang", 3);
    EXPECT_EQ (language.current, 2);

    EXPECT_TRUE (report.printAction (&print));
    EXPECT_EQ (report.languages, juce::Array<int> ({ 3, 3 }));
    EXPECT_EQ (language.current, 2);
}

TEST_F (PrintLoop, BaseLayoutPrintsItsPlaceholderOnOnePagePerCopy)
{
    wtest::RecordingContent plain;
    print.setValue ("ncopies", 2);
    EXPECT_TRUE (plain.printAction (&print));
    ASSERT_EQ (catcher.opened.size(), 1);
    EXPECT_TRUE (catcher.opened.getFirst().loadFileAsString().contains ("%%Pages: 2"));
    EXPECT_EQ (pagesInJob(), 2);
}

TEST_F (PrintLoop, FailuresAreReportedNotPrinted)
{
    {
        PagedReport report (1);
        print.setValue ("papersize", 7); // no print job for it
        print.setValue ("lang", 3);
        EXPECT_FALSE (report.printAction (&print));
        EXPECT_EQ (report.errorMessage, TRANS ("Printer not OK!"));
        EXPECT_TRUE (report.passes.isEmpty());
        EXPECT_EQ (language.current, 2);
    }
    {
        PagedReport empty (0);
        print.setValue ("papersize", 0);
        EXPECT_FALSE (empty.printAction (&print));
        EXPECT_EQ (empty.errorMessage, TRANS ("Print_Error_01"));
        EXPECT_EQ (empty.passes, juce::StringArray ("count -1"));
        EXPECT_EQ (language.current, 2);
        EXPECT_TRUE (catcher.opened.isEmpty());
    }
    {
        PagedReport report (1);
        EXPECT_FALSE (report.printAction (nullptr));
        EXPECT_EQ (report.errorMessage, TRANS ("Printer not OK!"));
    }
}
} // namespace
