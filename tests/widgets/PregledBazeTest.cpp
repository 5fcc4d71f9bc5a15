#include "support/ScriptedAnswerer.h"
#include "support/WidgetTestSupport.h"
#include "support/BrowserTestParts.h"

using namespace btest;

namespace
{
using wtest::whenAlertOpens;

juce::String headerText (PregledBaze& b, int id) { return b.getTable().getHeader().getColumnName (id); }
} // namespace

TEST_F (BrowserDatabase, HeaderComesFromTheSpec)
{
    TestBrowser b ("SELECT id, ime, znesek, 'x' AS opomba FROM pbtest", false);
    auto& header = b.getTable().getHeader();
    ASSERT_EQ (header.getNumColumns (false), 4);
    EXPECT_FALSE (header.isColumnVisible (1));             // id is hidden, yet in the header
    EXPECT_EQ (headerText (b, 2), "pbtest_ime");            // prefix + name, translated
    EXPECT_EQ (headerText (b, 4), "opomba");                // not in the column spec: its query name
    juce::Font font;
    font.setHeight (14.0f);
    EXPECT_EQ (b.getColumnAutoSizeWidth (2), (int) std::ceil (font.getStringWidthFloat ("XXXXXXXXXXXXXXXXXXXX")));
    EXPECT_EQ (b.getColumnAutoSizeWidth (4), 40);           // no width, no rows: 32 + 8
    EXPECT_EQ (b.getNumRows(), 0);
    EXPECT_EQ (b.getStatistika(), nullptr);                 // a spec without measures has no line
}

TEST_F (BrowserDatabase, FirstSortIsByTheFirstColumnOnceTheMessageLoopRuns)
{
    addRows (12);
    TestBrowser b (juce::String (kQuery) + " ORDER BY id DESC", false);
    EXPECT_EQ (b.rowAt (0)->getStringAttribute ("id"), "12"); // query order until the loop runs
    pump();
    EXPECT_EQ (column (b, "id").joinIntoString (","), "1,2,3,4,5,6,7,8,9,10,11,12"); // natural, hidden column 1
}

TEST_F (BrowserDatabase, SummaryRowsPerGroupAndTheirRemovalOnResort)
{
    const TableColumnSpec spec ("pbtest_",
                                { { "ime", CellType::text, 10 }, { "znesek", CellType::amount, 10 },
                                  { "kolicina", CellType::wholeRight, 10 } },
                                { "id" },
                                { { "ime", StatKind::title }, { "znesek", StatKind::sum } });

    add ("A", 1.5, 2);
    add ("B", 4, 1);
    add ("A", 2, 1);
    TestBrowser b ("SELECT id, ime, znesek, kolicina FROM pbtest", false, spec);
    b.setSummaryRows (true);
    b.sortOrderChanged (2, true);

    EXPECT_EQ (b.getNumRows(), 5);
    EXPECT_EQ (column (b, "id"), juce::StringArray ({ "1", "3", "", "2", "" }));
    auto* summaryA = b.rowAt (2);
    EXPECT_TRUE (summaryA->getBoolAttribute ("ign_stats"));
    EXPECT_EQ (SQLtoXml::getBkgColour (summaryA), juce::Colour (0xFF008000).withAlpha (0.2f));
    EXPECT_EQ (b.getDelnaStatistikaValue (summaryA), "A");
    EXPECT_EQ (b.getDelnaStatistikaColumn (summaryA), 2);
    EXPECT_DOUBLE_EQ (summaryA->getDoubleAttribute ("znesek"), 3.5);
    EXPECT_EQ (summaryA->getStringAttribute ("ime"), "pbtest_stats_ime");
    EXPECT_EQ (summaryA->getStringAttribute ("kolicina"), "");
    EXPECT_TRUE (b.hasZbirnik());

    // The statistics line leaves the summaries out.
    ASSERT_NE (b.getStatistika(), nullptr);
    EXPECT_DOUBLE_EQ (b.getStatistika()->getStatsRow()->getDoubleAttribute ("znesek"), 7.5);

    b.sortOrderChanged (4, false); // kolicina 2, 1, 1 descending
    EXPECT_EQ (b.getNumRows(), 5);
    EXPECT_EQ (column (b, "kolicina"), juce::StringArray ({ "2", "", "1", "1", "" }));
    EXPECT_EQ (column (b, "delnastatistika_value"), juce::StringArray ({ "", "2", "", "", "1" }));
    EXPECT_EQ (b.getDelnaStatistikaColumn (b.rowAt (1)), 4);
}

TEST_F (BrowserDatabase, SortingKeepsTheSelectedRows)
{
    add ("C", 1, 1);
    add ("A", 1, 1);
    add ("B", 1, 1);
    TestBrowser b (kQuery, false);
    b.sortOrderChanged (1, true);
    b.getTable().selectRow (0); // C
    b.sortOrderChanged (2, true);
    EXPECT_EQ (b.getTable().getSelectedRows().size(), 1);
    EXPECT_EQ (b.rowAt (b.getTable().getSelectedRow (0))->getStringAttribute ("ime"), "C");
}

TEST_F (BrowserDatabase, SaveRoundTripInsertModifyDelete)
{
    add ("prva", 1, 1);
    add ("druga", 2, 2);
    add ("tretja", 3, 3);
    vtest::LogCapture log;
    TestBrowser b (kQuery, true);
    b.sortOrderChanged (1, true);

    whenAlertOpens ([] (juce::AlertWindow& w)
    {
        w.getTextEditor ("ime")->setText ("nova");
        w.getTextEditor ("znesek")->setText ("4.25");
        w.getTextEditor ("kolicina")->setText ("4");
        w.exitModalState (1);
    });
    EXPECT_TRUE (b.buttonAction (6));
    ASSERT_EQ (b.getNumRows(), 4);
    EXPECT_TRUE (b.rowAt (3)->getBoolAttribute ("inserted"));
    EXPECT_EQ (b.rowAt (3)->getStringAttribute ("id"), "auto");

    EXPECT_TRUE (b.commitCellEdit (1, 2, "druga popravljena"));
    EXPECT_TRUE (b.commitCellEdit (1, 3, "2,5"));
    EXPECT_EQ (b.rowAt (1)->getStringAttribute ("znesek"), "2.50");
    b.getTable().selectRow (2);
    EXPECT_TRUE (b.buttonAction (5));

    const int before = b.notifications;
    EXPECT_TRUE (b.buttonAction (4)) << b.errorMessage;
    EXPECT_FALSE (b.doneFlag);
    EXPECT_EQ (b.notifications, before + 1);
    EXPECT_EQ (namesInDatabase(), juce::StringArray ({ "prva", "druga popravljena", "nova" }));
    const auto lines = log.lines().joinIntoString ("\n");
    const int i = lines.indexOf ("1 rows inserted"), u = lines.indexOf ("1 rows updated"), d = lines.indexOf ("1 rows deleted");
    EXPECT_TRUE (i >= 0 && i < u && u < d) << lines;

    SQLtoXml q;
    EXPECT_EQ (q.sqlQueryString ("SELECT znesek FROM pbtest WHERE ime='druga popravljena'"), "2.5");
    EXPECT_EQ (b.getNumRows(), 3);
    EXPECT_FALSE (b.rowAt (2)->getBoolAttribute ("inserted"));
    EXPECT_NE (b.rowAt (2)->getStringAttribute ("id"), "auto");
}

TEST_F (BrowserDatabase, FailedSaveIsReportedAsAnError)
{
    add ("prva", 1, 1);
    TestBrowser b (kQuery, true);
    auto* row = b.rowAt (0);
    row->setAttribute ("ime", "prepovedano"); // the table refuses it
    SQLtoXml::setModified (row);
    const int before = b.notifications;
    EXPECT_FALSE (b.buttonAction (4));
    EXPECT_TRUE (b.errorMessage.isNotEmpty());
    EXPECT_TRUE (b.errorMessage.containsIgnoreCase ("constraint")) << b.errorMessage;
    EXPECT_EQ (b.notifications, before);
    EXPECT_EQ (namesInDatabase(), juce::StringArray ({ "prva" }));
}

TEST_F (BrowserDatabase, InCellEditThatDoesNotDecodeKeepsTheOldValue)
{
    add ("prva", 1, 1);
    TestBrowser b (kQuery, true);
    vtest::ScriptedAnswerer answers;
    struct Case { int column; const char* typed; };
    const Case refused[] = { { 3, "abc" }, { 3, "" }, { 4, "1,2,3" }, { 5, "31-02-2021" }, { 5, "05-03-2021x" }, { 5, "45-13-2021" } };
    for (const auto& c : refused)
    {
        EXPECT_FALSE (b.commitCellEdit (0, c.column, c.typed)) << c.typed;
        EXPECT_FALSE (b.rowAt (0)->getBoolAttribute ("modified")) << c.typed;
    }
    EXPECT_EQ (b.rowAt (0)->getStringAttribute ("znesek"), "1");
    ASSERT_EQ (answers.asked.size(), std::size (refused));
    EXPECT_EQ (answers.asked[0].title, TRANS ("Napaka pri urejanju"));
    EXPECT_TRUE (answers.asked[0].message.endsWith ("je bila 1")) << answers.asked[0].message;

    EXPECT_TRUE (b.commitCellEdit (0, 5, "05-03-2021"));
    EXPECT_EQ (b.rowAt (0)->getStringAttribute ("datum"), "2021-03-05 00:00:00");
    EXPECT_TRUE (b.commitCellEdit (0, 5, ""));             // clearing a date is allowed
    EXPECT_EQ (b.rowAt (0)->getStringAttribute ("datum"), "");
    EXPECT_TRUE (b.rowAt (0)->getBoolAttribute ("modified"));
}

TEST_F (BrowserDatabase, InsertDialogStartsEmptyAndChecksEveryValue)
{
    TestBrowser b (kQuery, true);
    vtest::LogCapture log;
    juce::String placeholder, firstText;
    bool askedAgain = false;
    whenAlertOpens ([&] (juce::AlertWindow& w)
    {
        firstText = w.getTextEditorContents ("ime");
        placeholder = w.getTextEditor ("ime")->getTextToShowWhenEmpty();
        w.getTextEditor ("znesek")->setText ("1,5");
        w.getTextEditor ("kolicina")->setText ("veliko");
        whenAlertOpens ([&] (juce::AlertWindow& again)
        {
            askedAgain = true;
            EXPECT_EQ (again.getTextEditorContents ("kolicina"), "veliko"); // what was typed stays
            again.exitModalState (0);
        });
        w.exitModalState (1);
    });
    EXPECT_TRUE (b.insertAction());
    EXPECT_EQ (firstText, "");
    EXPECT_EQ (placeholder, TRANS ("enter some text here"));
    EXPECT_TRUE (askedAgain);
    EXPECT_TRUE (log.contains ("WARNING: value does not fit column kolicina"));
    EXPECT_EQ (b.getNumRows(), 0);
}

TEST_F (BrowserDatabase, DeleteQuestionNamesTheCurrentSelection)
{
    add ("prva", 1, 1);
    add ("druga", 2, 2);
    add ("tretja", 3, 3);
    TestBrowser b (kQuery, true);
    b.sortOrderChanged (1, true);
    b.getTable().selectRow (0);
    ASSERT_EQ (b.getSelectedRow(), b.rowAt (0));
    b.getTable().selectRow (2);             // moved by the keyboard: nothing told the browser
    b.getTable().selectRow (1, false, false); // and a second row added
    vtest::ScriptedAnswerer answers;
    answers.then (0);
    EXPECT_FALSE (b.deleteSelectedRows ("ime"));
    ASSERT_EQ (answers.asked.size(), 1u);
    EXPECT_EQ (answers.asked[0].message, TRANS ("Want to delete") + " 'druga' " + TRANS ("and others...") + "?");

    answers.then (1);
    EXPECT_TRUE (b.deleteSelectedRows ("ime"));
    EXPECT_EQ (column (b, "deleted"), juce::StringArray ({ "", "1", "1" }));
    EXPECT_EQ (b.rememberedRow(), nullptr);
}

TEST_F (BrowserDatabase, EditorLookupsPastTheEndAreSafe)
{
    add ("prva", 1, 1);
    vtest::LogCapture log;
    TestBrowser b (kQuery, true);
    b.showEditor (0, 5); // the last column: its log line reads one past the columns
    EXPECT_TRUE (log.contains ("vstopam za vrstico:0 stolpec:5 tabela:"));
    EXPECT_FALSE (b.showEditor (3, 2));
    EXPECT_TRUE (log.contains ("ERROR: nisem najdu vrstice:3"));
    EXPECT_FALSE (b.showEditor (0, -1));
    EXPECT_FALSE (b.showEditor (nullptr, "ime"));
    EXPECT_FALSE (b.showEditor (b.rowAt (0), "nothere"));
}

TEST_F (BrowserDatabase, QuickSearchByTyping)
{
    for (auto* name : { "Abeceda", "kabel", "abc", "xyz" })
        add (name, 1, 1);
    TestBrowser b (kQuery, false);
    b.sortOrderChanged (1, true);
    const auto type = [&] (juce::juce_wchar c) { return b.keyPressed (juce::KeyPress (c, 0, c)); };

    EXPECT_FALSE (b.keyPressed (juce::KeyPress (' ', 0, ' '))); // no search column: keys unused
    b.setSearchColumn ("ime");
    EXPECT_FALSE (b.keyPressed (juce::KeyPress (juce::KeyPress::spaceKey, 0, ' '))); // a space into nothing
    EXPECT_TRUE (type ('a'));
    EXPECT_TRUE (type ('B'));
    EXPECT_EQ (b.getSearchText(), "aB");
    EXPECT_EQ (b.getTable().getSelectedRows().size(), 2);
    EXPECT_EQ (b.rememberedRow()->getStringAttribute ("ime"), "Abeceda"); // the first match
    EXPECT_TRUE (b.keyPressed (juce::KeyPress (juce::KeyPress::homeKey)) == false);

    b.keyPressed (juce::KeyPress (juce::KeyPress::escapeKey));
    EXPECT_TRUE (type ('%'));
    EXPECT_TRUE (type ('b'));
    EXPECT_EQ (b.getTable().getSelectedRows().size(), 3);    // kabel too
    EXPECT_TRUE (b.keyPressed (juce::KeyPress (juce::KeyPress::backspaceKey)));
    EXPECT_EQ (b.getSearchText(), "%");
    EXPECT_EQ (b.getTable().getSelectedRows().size(), 4);    // "%" alone matches all
    EXPECT_TRUE (b.keyPressed (juce::KeyPress (juce::KeyPress::escapeKey)));
    EXPECT_TRUE (b.getSearchText().isEmpty());
    EXPECT_EQ (b.getTable().getSelectedRows().size(), 0);
}

TEST_F (BrowserDatabase, ButtonDispatchTable)
{
    add ("prva", 1, 1);
    vtest::LogCapture log;
    TestBrowser plain (kQuery, false);
    EXPECT_FALSE (plain.buttonAction (7));
    EXPECT_TRUE (log.contains ("PAZI ta gumb nima nobene povezave"));
    EXPECT_TRUE (plain.buttonAction (3));                    // hands over to the opener
    EXPECT_TRUE (log.contains ("tukaj bom sel ven"));
    EXPECT_FALSE (plain.doneFlag);
    EXPECT_FALSE (plain.buttonAction (5));                   // nothing selected
    EXPECT_TRUE (plain.buttonAction (2));                    // not editable: closes without asking
    EXPECT_TRUE (plain.doneFlag);
    EXPECT_TRUE (plain.buttonAction (0));
    EXPECT_TRUE (plain.doneFlag);

    TestBrowser editing (kQuery, true);
    EXPECT_FALSE (editing.buttonAction (3));                 // edit without a selected row
    vtest::ScriptedAnswerer answers;
    answers.then (2);
    EXPECT_TRUE (editing.buttonAction (2));                  // asks; No keeps the window open
    EXPECT_FALSE (editing.doneFlag);
    ASSERT_EQ (answers.asked.size(), 1u);
    EXPECT_EQ (answers.asked[0].message, TRANS ("cancel edit question"));
    answers.then (1);
    EXPECT_TRUE (editing.buttonAction (2));
    EXPECT_TRUE (editing.doneFlag);
}

TEST_F (BrowserDatabase, ReferencedRowIsSelectedAfterReload)
{
    addRows (5);
    TestBrowser b (kQuery, false);
    b.setReferencedRow ("ime", "R004");
    b.reloadData();
    ASSERT_NE (b.getSelectedRow(), nullptr);
    EXPECT_EQ (b.getSelectedRow()->getStringAttribute ("ime"), "R004");
    b.setReferencedRow ("ime", "none");
    b.reloadData();
    EXPECT_EQ (b.getSelectedRow(), nullptr);
    b.deselectAllRows();
    EXPECT_EQ (b.getSelectedRow(), nullptr);
}

TEST_F (BrowserDatabase, ExportWritesCp1250AndCountsChangedRows)
{
    add (juce::String::fromUTF8 ("\xc4\x8d\xc5\xa1\xc5\xbe; \"x\""), 1234.5, 3);
    add (juce::String::fromUTF8 ("\xe2\x82\xac" "uro \xe4\xb8\xad"), 0, 0); // the euro sign is in CP1250, the other is not
    add ("izbrisana", 1, 1);
    TestBrowser b (kQuery, false);
    b.sortOrderChanged (1, true);
    SQLtoXml::setDeleted (b.rowAt (2), true);
    b.getTable().getHeader().setColumnVisible (5, false);

    vtest::TempFolder folder;
    const auto file = folder.file ("izvoz.txt");
    file.replaceWithText ("old");
    EXPECT_EQ (b.exportToText (file, 2, ";", "\r\n", {}, true), -2);
    EXPECT_EQ (file.loadFileAsString(), "old"); // refused before the old file was touched

    EXPECT_EQ (b.exportToText (file, 1, ";", "\r\n", {}, true), 2);
    EXPECT_EQ (b.getExportChangedRows(), 1);
    const auto bytes = vtest::bytesOf (file);
    const std::string expected = "pbtest_ime;pbtest_znesek;pbtest_kolicina\r\n"
                                 "\xe8\x9a\x9e; \"x\";1234,50;3\r\n"
                                 "\x80uro ?;0,00;0\r\n";
    EXPECT_EQ (std::string ((const char*) bytes.getData(), bytes.getSize()), expected);
}

TEST_F (BrowserDatabase, TwoBrowsersOverOneRowNeverWriteOverEachOther)
{
    add ("prva", 1, 1);
    TestBrowser first (kQuery, true), second (kQuery, true);

    // Different columns: both saves keep what the other wrote.
    ASSERT_TRUE (first.commitCellEdit (0, 2, "ime iz prvega"));
    EXPECT_TRUE (first.buttonAction (4)) << first.errorMessage;
    ASSERT_TRUE (second.commitCellEdit (0, 3, "7,5"));
    EXPECT_TRUE (second.buttonAction (4)) << second.errorMessage;
    SQLtoXml q;
    EXPECT_EQ (q.sqlQueryString ("SELECT ime || '|' || znesek || '|' || kolicina FROM pbtest"), "ime iz prvega|7.5|1");

    // The same column: the second save is refused, names the row, writes nothing and keeps the edit.
    ASSERT_TRUE (first.commitCellEdit (0, 4, "5"));
    EXPECT_TRUE (first.buttonAction (4)) << first.errorMessage;
    ASSERT_TRUE (second.commitCellEdit (0, 4, "9"));
    ASSERT_TRUE (second.commitCellEdit (0, 2, "ime iz drugega"));
    const int before = second.notifications;
    EXPECT_FALSE (second.buttonAction (4));
    EXPECT_TRUE (second.errorMessage.contains ("pbtest id=1 (ime, kolicina)")) << second.errorMessage;
    EXPECT_TRUE (second.errorMessage.contains (TRANS ("changed by another window meanwhile; reload"))) << second.errorMessage;
    EXPECT_EQ (second.notifications, before);
    EXPECT_EQ (q.sqlQueryString ("SELECT ime || '|' || kolicina FROM pbtest"), "ime iz prvega|5");
    EXPECT_EQ (second.rowAt (0)->getStringAttribute ("kolicina"), "9");
    EXPECT_TRUE (second.rowAt (0)->getBoolAttribute ("modified"));

    // Reloaded, the second browser sees the stored row and its next change goes through.
    second.reloadData();
    EXPECT_EQ (second.rowAt (0)->getStringAttribute ("kolicina"), "5");
    ASSERT_TRUE (second.commitCellEdit (0, 4, "9"));
    EXPECT_TRUE (second.buttonAction (4)) << second.errorMessage;
    EXPECT_EQ (q.sqlQueryString ("SELECT ime || '|' || kolicina FROM pbtest"), "ime iz prvega|9");
}

TEST_F (BrowserDatabase, AFailedSaveLeavesTheRowsOnScreenReadyToSaveAgain)
{
    add ("prva", 1, 1);
    add ("druga", 2, 2);
    TestBrowser b (kQuery, true);
    b.sortOrderChanged (1, true);
    ASSERT_TRUE (b.commitCellEdit (0, 2, "prva popravljena"));
    b.getTable().selectRow (1);
    ASSERT_TRUE (b.buttonAction (5));
    // A new row the table refuses, written after the update and the deletion.
    auto* fresh = b.getData()->createNewChildElement ("ITEM");
    for (auto [name, value] : { std::pair { "id", "auto" }, { "ime", "prepovedano" }, { "znesek", "3" }, { "kolicina", "3" }, { "datum", "" } })
        fresh->setAttribute (name, value);
    SQLtoXml::setInserted (fresh);
    b.invalidateRowIndex();
    const auto tree = b.getResult()->toString();

    EXPECT_FALSE (b.buttonAction (4));
    EXPECT_TRUE (b.errorMessage.containsIgnoreCase ("constraint")) << b.errorMessage;
    EXPECT_EQ (namesInDatabase(), juce::StringArray ({ "prva", "druga" }));
    EXPECT_EQ (b.getResult()->toString(), tree);

    ASSERT_TRUE (b.commitCellEdit (2, 2, "tretja"));
    EXPECT_TRUE (b.buttonAction (4)) << b.errorMessage;
    EXPECT_EQ (namesInDatabase(), juce::StringArray ({ "prva popravljena", "tretja" }));
    EXPECT_EQ (b.getNumRows(), 2);
}
