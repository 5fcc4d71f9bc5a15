#include "widgets/FilenameButton.h"
#include "widgets/FolderButton.h"
#include "widgets/PNGFilenameButton.h"
#include "widgets/PNGFilenameButtonPropertyComponent.h"
#include "widgets/PathButton.h"
#include "widgets/SVGFilenameButton.h"
#include "widgets/SVGFilenameButtonPropertyComponent.h"
#include "widgets/SettingsPropertyComponent.h"
#include "widgets/VindorFolderPropertyComponent.h"
#include "widgets/VindorPathPropertyComponent.h"
#include "widgets/VindorText2PropertyComponent.h"
#include "widgets/VindorTextPropertyComponent.h"
#include "support/ScriptedAnswerer.h"
#include "support/TestSupport.h"
#include "support/WidgetTestSupport.h"

#include <gtest/gtest.h>

namespace
{
using wtest::pump;

// A row that refuses texts with a blank, as a validating settings row would.
struct NoBlanksRow : SettingsPropertyComponent
{
    NoBlanksRow (const juce::String& key) : SettingsPropertyComponent (key, false)
    {
        setEditor (new VindorTextPropertyComponent (value, key, 200, false));
    }
    bool checkValue (const juce::Value& v) override { ++checks; return ! v.toString().containsChar (' '); }
    juce::String getInvalidValueMessage (const juce::Value&) override { return "presledek ni dovoljen"; }
    int checks = 0;
};

struct SettingsRowsFixture : ::testing::Test
{
    // Re-reads the settings file from disk, as the next start would.
    juce::String storedOnDisk (const juce::String& key)
    {
        settings.user().saveIfNeeded();
        juce::PropertiesFile::Options o;
        juce::PropertiesFile reread (settings.user().getFile(), o);
        return reread.getValue (key, "<absent>");
    }

    juce::File writePng (const juce::String& name)
    {
        juce::Image img (juce::Image::RGB, 4, 4, true);
        auto f = temp.file (name);
        juce::FileOutputStream out (f);
        juce::PNGImageFormat().writeImageToStream (img, out);
        return f;
    }

    vtest::TestSettings settings;
    vtest::TempFolder temp;
    vtest::LogCapture log;
    vtest::ScriptedAnswerer answerer;
};
} // namespace

TEST_F (SettingsRowsFixture, OpeningWritesNothingAndEachChangeIsStoredAtOnce)
{
    settings.user().setValue ("tempfolder", "/tmp/old");
    settings.user().saveIfNeeded();
    const auto before = settings.user().getFile().loadFileAsString();

    VindorText2PropertyComponent text ("uporabnikdolgoime", "Ime");
    VindorFolderPropertyComponent folder ("tempfolder", "Mapa");
    pump (20);
    EXPECT_EQ (settings.user().getFile().loadFileAsString(), before);
    EXPECT_EQ (folder.getValueObject().toString(), "/tmp/old");
    EXPECT_TRUE (log.contains ("value for tempfolder is /tmp/old"));
    EXPECT_TRUE (log.contains ("value for uporabnikdolgoime is "));

    auto* editor = dynamic_cast<juce::TextPropertyComponent*> (text.getEditor());
    ASSERT_NE (editor, nullptr);
    editor->setText ("Janez Novak");
    pump (20);
    EXPECT_EQ (storedOnDisk ("uporabnikdolgoime"), "Janez Novak");
    EXPECT_TRUE (log.contains ("value for uporabnikdolgoime set to Janez Novak"));
    EXPECT_TRUE (answerer.asked.empty());   // no restart needed

    // a path typed by hand into a chooser row is stored without any test
    auto* folderRow = dynamic_cast<FolderButton*> (folder.getEditor());
    ASSERT_NE (folderRow, nullptr);
    folderRow->setText ("/nowhere/at/all");
    pump (20);
    EXPECT_EQ (storedOnDisk ("tempfolder"), "/nowhere/at/all");
}

TEST_F (SettingsRowsFixture, RestartSettingsSayWhenTheyTakeEffect)
{
    VindorPathPropertyComponent path ("logofile", "Logo", true);
    path.getValueObject() = "/tmp/logo.png";
    pump (20);
    ASSERT_EQ (answerer.asked.size(), 1u);
    EXPECT_EQ (answerer.asked[0].title, "spremembe nastavitev");
    EXPECT_EQ (answerer.asked[0].message, "changed after restart");
    EXPECT_EQ (answerer.asked[0].icon, vindoro::kIconInformation);
    EXPECT_EQ (storedOnDisk ("logofile"), "/tmp/logo.png");
}

TEST_F (SettingsRowsFixture, RefusedValueKeepsTheStoredOneAndSaysWhy)
{
    settings.user().setValue ("printer", "PDF");
    NoBlanksRow row ("printer");
    row.getValueObject() = "two words";
    pump (20);
    pump (20);

    EXPECT_EQ (storedOnDisk ("printer"), "PDF");
    EXPECT_EQ (row.getValueObject().toString(), "PDF");
    EXPECT_EQ (dynamic_cast<juce::TextPropertyComponent*> (row.getEditor())->getText(), "PDF");
    ASSERT_EQ (answerer.asked.size(), 1u);   // one box, the restore does not ask again
    EXPECT_EQ (answerer.asked[0].title, "spremembe nastavitev");
    EXPECT_EQ (answerer.asked[0].message, "presledek ni dovoljen");
    EXPECT_EQ (answerer.asked[0].icon, vindoro::kIconWarning);
    EXPECT_TRUE (log.contains ("napacna vrednost za printer presledek ni dovoljen"));
    EXPECT_TRUE (log.contains ("value for printer restored to PDF"));
    EXPECT_FALSE (log.contains ("value for printer set to"));
    EXPECT_EQ (row.checks, 1);
}

// The page margins are typed into plain text rows; the print code would lay pages out beyond the
// sheet with a negative one, so the row refuses it with the print settings' own message.
TEST_F (SettingsRowsFixture, MarginRowsRefuseNegativeMarginsOtherTextRowsTakeAnyText)
{
    struct Case { const char* typed; bool accepted; };
    const Case cases[] = { { "-1", false }, { "-0,5", false }, { "12", true }, { "10,9", true }, { "0", true } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.typed);
        settings.user().setValue ("printborderleft", "15");
        answerer.asked.clear();
        VindorText2PropertyComponent margin ("printborderleft", "PrintBorderLeft");
        dynamic_cast<juce::TextPropertyComponent*> (margin.getEditor())->setText (c.typed);
        pump();
        EXPECT_EQ (storedOnDisk ("printborderleft"), c.accepted ? c.typed : "15");
        EXPECT_EQ (margin.getValueObject().toString(), c.accepted ? c.typed : "15");
        if (c.accepted)
        {
            EXPECT_TRUE (answerer.asked.empty());
            continue;
        }
        ASSERT_EQ (answerer.asked.size(), 1u);
        EXPECT_EQ (answerer.asked[0].message, TRANS ("PrintSettings_margin_negative"));
    }

    VindorText2PropertyComponent name ("uporabnikdolgoime", "Ime");
    dynamic_cast<juce::TextPropertyComponent*> (name.getEditor())->setText ("-1");
    pump();
    EXPECT_EQ (storedOnDisk ("uporabnikdolgoime"), "-1");
}

TEST_F (SettingsRowsFixture, StoredValueThatFailsTheCheckCannotStartALoop)
{
    settings.user().setValue ("printer", "bad value");
    NoBlanksRow row ("printer");
    row.getValueObject() = "also bad";
    for (int i = 0; i < 5; ++i)
        pump (20);
    EXPECT_EQ (answerer.asked.size(), 1u);
    EXPECT_EQ (row.getValueObject().toString(), "bad value");
}

TEST_F (SettingsRowsFixture, EmptyKeyIsNeverWritten)
{
    VindorText2PropertyComponent row ("", "Brez");
    row.getValueObject() = "x";
    pump (20);
    EXPECT_TRUE (log.contains ("ERROR: empty keyword;"));
    EXPECT_FALSE (settings.user().containsKey (""));
}

TEST_F (SettingsRowsFixture, PngRowKeepsOnlyRealPngFilesAndThenAsksForARestart)
{
    settings.user().setValue ("backgroundfile", "/tmp/keep.png");
    PNGFilenameButtonPropertyComponent row ("backgroundfile", "Ozadje");
    auto* chooserRow = dynamic_cast<PNGFilenameButton*> (row.getEditor());
    ASSERT_NE (chooserRow, nullptr);
    EXPECT_EQ (chooserRow->getFilePattern(), "*.png");

    auto notPng = temp.file ("fake.png");
    notPng.replaceWithText ("not a picture");
    chooserRow->chooserAnswered (notPng);
    pump (20);
    ASSERT_EQ (answerer.asked.size(), 1u);
    EXPECT_EQ (answerer.asked[0].title, "Napaka");
    EXPECT_EQ (answerer.asked[0].message, "Izbrana datoteka ne ustreza.");
    EXPECT_EQ (storedOnDisk ("backgroundfile"), "/tmp/keep.png");
    EXPECT_TRUE (log.contains ("loading PNG file:" + notPng.getFullPathName()));

    chooserRow->chooserAnswered (temp.file ("missing.png"));
    pump (20);
    ASSERT_EQ (answerer.asked.size(), 2u);
    EXPECT_EQ (answerer.asked[1].message, "Izbrana datoteka ne obstaja.");

    const auto good = writePng ("good.png");
    chooserRow->chooserAnswered (good);
    pump (20);
    EXPECT_EQ (storedOnDisk ("backgroundfile"), good.getFullPathName());
    EXPECT_EQ (chooserRow->getText(), good.getFullPathName());
    ASSERT_EQ (answerer.asked.size(), 3u);
    EXPECT_EQ (answerer.asked[2].message, "changed after restart");

    chooserRow->chooserAnswered (juce::File());   // a cancelled chooser changes nothing
    pump (20);
    EXPECT_EQ (answerer.asked.size(), 3u);
}

TEST_F (SettingsRowsFixture, SvgRowKeepsDrawingsAndRefusesOtherFiles)
{
    SVGFilenameButtonPropertyComponent row ("logofile", "Logo");
    auto* chooserRow = dynamic_cast<SVGFilenameButton*> (row.getEditor());
    ASSERT_NE (chooserRow, nullptr);
    EXPECT_FALSE (chooserRow->testChosenFilename (temp.get().getFullPathName()));   // a folder
    EXPECT_EQ (answerer.asked.back().message, "Izbrana datoteka ne obstaja.");

    auto svg = temp.file ("logo.svg");
    svg.replaceWithText ("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\">"
                         "<rect width=\"10\" height=\"10\" fill=\"red\"/></svg>");
    chooserRow->chooserAnswered (svg);
    pump (20);
    EXPECT_EQ (storedOnDisk ("logofile"), svg.getFullPathName());
    EXPECT_TRUE (log.contains ("loading SVG file:" + svg.getFullPathName()));
    EXPECT_EQ (answerer.asked.size(), 1u);   // no restart notice for this row
}

TEST_F (SettingsRowsFixture, ChoosersStartWhereTheTextPointsAndOfferTheRightKind)
{
    juce::Value v;
    FilenameButton plain (v, "Datoteka", "*.txt");
    EXPECT_EQ (plain.getStartLocation(), juce::File::getCurrentWorkingDirectory());
    v = "/tmp/x.txt";
    EXPECT_EQ (plain.getStartLocation(), juce::File ("/tmp/x.txt"));
    EXPECT_FALSE (plain.testChosenFilename (""));
    EXPECT_EQ (answerer.asked.back().message, "Izbrana datoteka ne ustreza.");

    juce::Value folderValue (temp.get().getFullPathName());
    FolderButton folder (folderValue, "Mapa", 0.1);
    PathButton path (folderValue, "Pot", 0.1);
    EXPECT_EQ (folder.getButton().getButtonText(), "...");
    EXPECT_TRUE (folder.getButton().getTriggeredOnMouseDown());

    folder.buttonClicked();
    ASSERT_NE (folder.getActiveChooser(), nullptr);
    pump (20);
    auto* dialog = dynamic_cast<juce::FileChooserDialogBox*> (juce::Component::getCurrentlyModalComponent());
    ASSERT_NE (dialog, nullptr);   // the framework's own dialog, not the system's
    dialog->exitModalState (0);
    pump (20);
    EXPECT_EQ (folderValue.toString(), temp.get().getFullPathName());   // cancelled: unchanged

    path.chooserAnswered (temp.file ("a.txt"));
    EXPECT_EQ (folderValue.toString(), temp.file ("a.txt").getFullPathName());
}
