// The print dialog under Xvfb: its rows by flags, the choices remembered per prefix, Preview and
// Print through the requester (and the framework's print loop), typed numbers refused, and a
// window's Print button opening it as the window's modal child.
#include "frame/MessageBoxes.h"
#include "frame/VindorWindow.h"
#include "print/gui/PrintDialog.h"
#include "print/myPrint.h"
#include "support/CupsTestQueue.h"
#include "support/GhostscriptRender.h"
#include "support/PreviewCatcher.h"
#include "support/TestSupport.h"
#include "support/WidgetTestSupport.h"
#include "support/WindowTestParts.h"

#include <gtest/gtest.h>

namespace
{
/** A window that records what it was asked to print. */
struct RecordingRequester : VindorWindowAction
{
    bool printAction (VindorPrintSettings* settings) override
    {
        previews.add ((bool) settings->getValue ("preview").getValue());
        copies.add ((int) settings->getValue ("ncopies").getValue());
        return answer;
    }
    using VindorWindowAction::printAction;
    juce::Array<bool> previews;
    juce::Array<int> copies;
    bool answer = true;
};

/** A window with two pages of text, printed through the framework's own print loop. */
struct TwoPageWindow : VindorWindowAction
{
    int printReport (juce::Rectangle<int> area, myPrint& printer, VindorPrintSettings&, myPrint* output, int) override
    {
        juce::Font font (12.0f);
        for (int page = 0; page < 2; ++page)
        {
            if (page > 0 && output != nullptr)
                output->newPage (page);
            auto free = area;
            printer.printTitle (output, font, free, &printer, "Stran " + juce::String (page + 1));
            font = juce::Font (12.0f);
            printer.printText (output, font, free, &printer, "Vsebina strani", juce::Justification::left, true);
        }
        return 2;
    }
};

struct RecordingAnswerer : vindoro::ModalAnswerer
{
    RecordingAnswerer() { vindoro::setModalAnswerer (this); }
    ~RecordingAnswerer() override { vindoro::setModalAnswerer (nullptr); }
    int answer (const vindoro::ModalQuestion& q) override
    {
        messages.add (q.message);
        return q.buttons.empty() ? q.escapeResult : q.buttons.front().result;
    }
    juce::StringArray messages;
};

juce::StringArray rowNames (PrintDialog& d)
{
    juce::StringArray names;
    for (auto* row : d.getRows())
        names.add (row->getName());
    return names;
}
} // namespace

TEST (PrintDialogTest, FlagsChooseTheRowsInTheirOrder)
{
    vtest::TestSettings settings;
    struct Case
    {
        int flags;
        const char* rows;
    };
    const Case cases[] = {
        { 15, "Select Paper|NumberOfCopies|change language|PrintDestination" },
        { 0, "NumberOfCopies|PrintDestination" },
        { 3, "NumberOfCopies|PrintDestination" },
        { 95, "Select Paper|NumberOfCopies|PrintDobavnica|change language|PrintFontSizeNotes|PrintDestination" },
        { 143, "Select Paper|NumberOfCopies|change language|PrintZbirnik|PrintDestination" },
    };
    for (const auto& c : cases)
    {
        RecordingRequester window;
        vtest::LogCapture log;
        PrintDialog dialog (&window, c.flags, "printdialog");
        EXPECT_EQ (rowNames (dialog).joinIntoString ("|"), c.rows) << c.flags;
        EXPECT_TRUE (log.contains ("property not existing or not on dialog:headerlines"));
        EXPECT_EQ (dialog.getWidth(), 500);
        EXPECT_EQ (dialog.getHeight(), 400);
    }
}

TEST (PrintDialogTest, RowsAreBoundToTheSettingsAndShowTheDefaults)
{
    vtest::TestSettings settings;
    RecordingRequester window;
    PrintDialog dialog (&window, 143, "printdialog");
    auto& s = dialog.getSettings();
    EXPECT_EQ ((int) s.getValue ("papersize").getValue(), 0);
    EXPECT_EQ ((int) s.getValue ("ncopies").getValue(), 1);
    EXPECT_EQ ((int) s.getValue ("lang").getValue(), 0);

    auto* copies = dynamic_cast<juce::TextPropertyComponent*> (dialog.getRows()[1]);
    ASSERT_NE (copies, nullptr);
    EXPECT_EQ (copies->getText(), "1");
    copies->setText ("4");
    EXPECT_EQ (s.getValue ("ncopies").getValue().toString(), "4");

    auto* summary = dynamic_cast<juce::BooleanPropertyComponent*> (dialog.getRows()[3]);
    ASSERT_NE (summary, nullptr);
    auto* toggle = wtest::findChild<juce::ToggleButton> (*summary);
    ASSERT_NE (toggle, nullptr);
    EXPECT_EQ (toggle->getButtonText(), "PrintZbirnikText");

    // One look at the rows.
    dialog.setSize (500, 200);
    juce::Image image (juce::Image::ARGB, 500, 200, true);
    {
        juce::Graphics g (image);
        g.fillAll (juce::Colours::white);
        dialog.paintEntireComponent (g, true);
    }
    wtest::writePng (image, "/tmp/vindoro-printdialog.png");
}

TEST (PrintDialogTest, ChoicesAreStoredPerPrefixEvenWhenCancelled)
{
    vtest::TestSettings settings;
    RecordingRequester window;
    {
        PrintDialog dialog (&window, 15, "PrintDialogOpomin");
        dialog.getSettings().getValue ("ncopies") = 2;
        EXPECT_TRUE (dialog.cancelAction());
        EXPECT_TRUE (dialog.doneFlag);
        dialog.prepareToClose();
    }
    EXPECT_TRUE (window.previews.isEmpty()) << "cancel prints nothing";
    PrintDialog same (&window, 15, "PrintDialogOpomin");
    EXPECT_EQ ((int) same.getSettings().getValue ("ncopies").getValue(), 2);
    PrintDialog other (&window, 15, "printblagajna");
    EXPECT_EQ ((int) other.getSettings().getValue ("ncopies").getValue(), 1);
}

TEST (PrintDialogTest, PreviewKeepsTheDialogOpenAndPrintClosesItOnSuccess)
{
    vtest::TestSettings settings;
    RecordingRequester window;
    PrintDialog dialog (&window, 15, "printdialog");
    EXPECT_TRUE (dialog.previewAction());
    EXPECT_FALSE (dialog.doneFlag);
    EXPECT_TRUE (dialog.printAction());
    EXPECT_TRUE (dialog.doneFlag);
    EXPECT_EQ (window.previews, juce::Array<bool> ({ true, false }));

    window.answer = false;
    EXPECT_FALSE (dialog.printAction());
    EXPECT_FALSE (dialog.doneFlag) << "a failed print leaves the dialog open";

    PrintDialog orphan (nullptr, 15, "printdialog");
    EXPECT_FALSE (orphan.previewAction());
    EXPECT_FALSE (orphan.printAction());
}

TEST (PrintDialogTest, TypedValuesThatCannotPrintAreRefusedWithAMessage)
{
    vtest::TestSettings settings;
    RecordingAnswerer person;
    RecordingRequester window;
    PrintDialog dialog (&window, 79, "printdialog");
    auto* copies = dynamic_cast<juce::TextPropertyComponent*> (dialog.getRows()[1]);
    ASSERT_NE (copies, nullptr);

    copies->setText ("3");
    wtest::pump (60);
    EXPECT_TRUE (person.messages.isEmpty());

    for (auto typed : { "0", "100", "abc", "-1" })
    {
        person.messages.clear();
        copies->setText (typed);
        wtest::pump (60);
        EXPECT_EQ (person.messages, juce::StringArray (TRANS ("PrintSettings_ncopies_range"))) << typed;
        EXPECT_EQ (dialog.getSettings().getValue ("ncopies").getValue().toString(), "3") << typed;
    }

    auto* notesFont = dynamic_cast<juce::TextPropertyComponent*> (dialog.getRows()[3]);
    ASSERT_NE (notesFont, nullptr);
    ASSERT_EQ (notesFont->getName(), "PrintFontSizeNotes");
    person.messages.clear();
    notesFont->setText ("0");
    wtest::pump (60);
    EXPECT_EQ (person.messages, juce::StringArray (TRANS ("PrintSettings_fontsize_positive")));
    EXPECT_EQ ((double) dialog.getSettings().getValue ("fontsizenotes").getValue(), 10.0);

    EXPECT_TRUE (dialog.printAction());
    EXPECT_EQ (window.copies.getLast(), 3);
}

TEST (PrintDialogTest, PreviewFromTheDialogOpensTheDocumentOfTheWindow)
{
    vtest::TestSettings settings;
    vtest::TempFolder temp;
    settings.user().setValue ("tempfolder", temp.get().getFullPathName());
    vtest::PreviewCatcher opener;
    TwoPageWindow window;
    PrintDialog dialog (&window, 15, "printdialog");
    dialog.getSettings().getValue ("printname") = "dialogpreview";
    dialog.getSettings().getValue ("ncopies") = 2;
    ASSERT_TRUE (dialog.previewAction());
    ASSERT_EQ (opener.opened.size(), 1);
    const juce::String ps = opener.opened[0].loadFileAsString();
    EXPECT_EQ (opener.opened[0], temp.file ("dialogpreview.ps"));
    EXPECT_TRUE (ps.contains ("%%Pages: 4\n")) << "two pages, two copies";
    EXPECT_TRUE (ps.contains ("%%Page: 4 4\n"));
    EXPECT_FALSE (ps.contains ("%%Page: 5 5\n"));

    const auto pages = vtest::renderPages (temp.file ("dialogpreview.ps"), temp.get(), "p", 30);
    EXPECT_EQ (pages.size(), 4);
}

TEST (PrintDialogTest, PrintFromTheDialogReachesTheCupsQueue)
{
    const juce::File pdfFolder = vtest::cupsPdfFolderOrSkip();
    if (pdfFolder == juce::File())
        return;
    vtest::TestSettings settings;
    TwoPageWindow window;
    settings.user().setValue ("printer", "NoSuchQueue");
    PrintDialog dialog (&window, 15, "printdialog");
    auto* destination = dynamic_cast<juce::ChoicePropertyComponent*> (dialog.getRows().getLast());
    ASSERT_NE (destination, nullptr);
    const juce::String queue = vtest::cupsTestQueue();
    EXPECT_TRUE (destination->getChoices().contains (queue)) << "the dialog lists the scheduler's destinations";
    auto* combo = wtest::findChild<juce::ComboBox> (*destination);
    ASSERT_NE (combo, nullptr);
    combo->setSelectedItemIndex (destination->getChoices().indexOf (queue), juce::sendNotificationSync);
    EXPECT_EQ (dialog.getSettings().getString ("printer"), queue);
    const juce::String title = "dialog-" + juce::Uuid().toString();
    dialog.getSettings().getValue ("title") = title;
    ASSERT_TRUE (dialog.printAction()) << "the dialog's destination wins over the setting";
    dialog.prepareToClose();
    EXPECT_EQ (settings.user().getValue ("printdialog:printer"), queue);

    const juce::File pdf = vtest::waitForCupsPdf (pdfFolder, title);
    ASSERT_TRUE (pdf.existsAsFile()) << "the queue wrote no PDF of this job";
    vtest::TempFolder temp;
    EXPECT_EQ (vtest::renderPages (pdf, temp.get(), "p", 20).size(), 2);
}

namespace
{
/** A printing window: its Print button opens the print dialog, which prints through it. */
class PrintingContent : public wtest::OpenerContent
{
public:
    using OpenerContent::OpenerContent;
    bool printAction() override
    {
        openPrintDialog (this, PrintDialog::kFlagLanguage, "test");
        return true;
    }
    bool printAction (VindorPrintSettings* s) override
    {
        ++prints;
        return VindorWindowAction::printAction (s);
    }
    int prints = 0;
};

TEST (VindorWindowSetupPrint, PrintButtonOpensTheModalPrintDialogThatPrintsThroughTheWindow)
{
    vtest::TestSettings settings;
    settings.user().setValue ("tempfolder", settings.folder().get().getFullPathName());
    vtest::PreviewCatcher catcher;
    wtest::RecordingOpener mainOpener;
    mainOpener.addButton ("Print", 8);
    mainOpener.addButton ("Close", 0);
    auto* content = new PrintingContent (nullptr, "tiskanje");
    auto* window = VindorWindow::launchNormal ("Porocilo", content, &mainOpener, &mainOpener);
    wtest::pump();

    window->getButton (1)->triggerClick(); // Print
    wtest::pump();
    auto* dialog = content->getPrintDialog();
    ASSERT_NE (dialog, nullptr);
    auto* dialogWindow = dynamic_cast<VindorWindow*> (content->currentChild.get());
    ASSERT_NE (dialogWindow, nullptr);
    EXPECT_EQ (dialogWindow->getName(), TRANS ("Print"));
    EXPECT_TRUE (dialogWindow->isCurrentlyModal());
    ASSERT_EQ (dialogWindow->getButtonBar()->getNumButtons(), 3);
    EXPECT_EQ (dialogWindow->getButton (0)->getCommandID(), 8);
    EXPECT_EQ (dialogWindow->getButton (1)->getCommandID(), 9);
    EXPECT_EQ (dialogWindow->getButton (2)->getCommandID(), 0);
    EXPECT_EQ (content->getChildWindows().size(), 1);

    dialogWindow->getButton (1)->triggerClick(); // Preview
    wtest::pump();
    EXPECT_EQ (content->prints, 1);
    EXPECT_EQ (catcher.opened.size(), 1);
    EXPECT_TRUE (dialogWindow->isCurrentlyModal()) << "a preview leaves the dialog open";

    dialogWindow->getButton (2)->triggerClick(); // Cancel
    wtest::pump();
    EXPECT_EQ (content->answers, 1);
    EXPECT_EQ (content->currentChild.get(), nullptr);
    EXPECT_EQ (content->getPrintDialog(), nullptr);
    EXPECT_EQ (juce::ModalComponentManager::getInstance()->getNumModalComponents(), 0);

    window->closeKW();
    wtest::pump();
}
} // namespace
