// The browser against what could go wrong around it: a long query cancelled behind its progress
// window, yes/no and colour cells given text that names neither value, the in-cell editor moved
// onto a column scrolled out of sight, and a row tree replaced from outside the browser.
#include "support/BrowserTestParts.h"
#include "support/ScriptedAnswerer.h"
#include "support/WidgetTestSupport.h"

#include <functional>

using namespace btest;

namespace
{
// Rows made up by a recursive query, with the browser's own columns; the progress window counts
// them one by one, so many rows keep it open long enough to be cancelled.
juce::String madeUpRows (int count)
{
    return "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<" + juce::String (count)
           + ") SELECT i AS id, 'N' || i AS ime, i AS znesek, i AS kolicina, '' AS datum FROM n";
}

const TableColumnSpec& choiceSpec()
{
    static const TableColumnSpec spec ("pbtest_",
                                       { { "ime", CellType::text, 10 }, { "placano", CellType::yesNo, 4 },
                                         { "barva", CellType::wineColour, 4 } },
                                       { "id" });
    return spec;
}

const TableColumnSpec& sumSpec()
{
    static const TableColumnSpec spec ("pbtest_",
                                       { { "ime", CellType::text, 10 }, { "znesek", CellType::amount, 10 },
                                         { "kolicina", CellType::wholeRight, 5 }, { "datum", CellType::date, 10 } },
                                       { "id" }, { { "ime", StatKind::title }, { "znesek", StatKind::sum } });
    return spec;
}

// Whether the cell's component lies inside the part of the table the user sees.
bool cellIsInView (PregledBaze& b, int columnId, int row)
{
    auto* cell = b.getTable().getCellComponent (columnId, row);
    auto* viewport = b.getTable().getViewport();
    if (cell == nullptr || viewport == nullptr)
        return false;
    const auto inContent = viewport->getViewedComponent()->getLocalArea (cell, cell->getLocalBounds());
    return viewport->getViewArea().contains (inContent);
}
} // namespace

TEST_F (BrowserDatabase, ThreadedQueryShowsProgressAndCancelKeepsTheRows)
{
    addRows (3);
    TestBrowser b (kQuery, false);
    pump();
    b.getTable().selectRow (1);
    auto* selected = b.rowAt (1);
    const auto tree = b.getResult()->toString();

    vtest::ScriptedAnswerer answers;
    b.setThreadedQuery (true);
    answers.cancelProgressAfter (50);
    b.sqlQuery (madeUpRows (5000));
    b.updateTableContent();
    ASSERT_EQ (answers.progressTitles.size(), 1);
    EXPECT_EQ (answers.progressTitles[0], TRANS ("Loading"));
    EXPECT_EQ (b.getNumRows(), 3);
    EXPECT_EQ (b.getResult()->toString(), tree);
    EXPECT_EQ (b.rowAt (1), selected);
    EXPECT_TRUE (b.getTable().isRowSelected (1)); // the rows stayed, and so did their selection

    answers.cancelProgressAfter (-1);
    b.sqlQuery (madeUpRows (40));
    b.updateTableContent();
    EXPECT_EQ (answers.progressTitles.size(), 2);
    EXPECT_EQ (b.getNumRows(), 40);
    EXPECT_EQ (b.rowAt (39)->getStringAttribute ("ime"), "N40");
    EXPECT_EQ (b.getTable().getNumSelectedRows(), 0);

    b.setThreadedQuery (false); // every other query runs without a window
    b.sqlQuery (kQuery);
    EXPECT_EQ (answers.progressTitles.size(), 2);
    EXPECT_EQ (b.getNumRows(), 3);
}

TEST_F (BrowserDatabase, ChoiceCellsRefuseTextThatNamesNeitherValue)
{
    add ("prva", 1, 1);
    TestBrowser b ("SELECT id, ime, kolicina AS placano, kolicina AS barva FROM pbtest", true, choiceSpec());
    vtest::ScriptedAnswerer answers;
    struct Case { int column; const char* typed; };
    const Case refused[] = { { 3, "morda" }, { 3, "" }, { 3, "da ne" }, { 4, "roza" }, { 4, "" }, { 4, "2" } };
    for (const auto& c : refused)
    {
        EXPECT_FALSE (b.commitCellEdit (0, c.column, juce::CharPointer_UTF8 (c.typed))) << c.typed;
        EXPECT_FALSE (b.rowAt (0)->getBoolAttribute ("modified")) << c.typed;
    }
    EXPECT_EQ (b.rowAt (0)->getStringAttribute ("placano"), "1");
    EXPECT_EQ (b.rowAt (0)->getStringAttribute ("barva"), "1");
    ASSERT_EQ (answers.asked.size(), std::size (refused));
    EXPECT_EQ (answers.asked.back().title, TRANS ("Napaka pri urejanju"));

    struct Named { int column; const char* typed; const char* stored; };
    const Named named[] = { { 3, "ne", "0" }, { 3, " DA ", "1" }, { 4, "rde\xc4\x8d" "e", "0" }, { 4, "belo vino", "1" } };
    for (const auto& c : named)
    {
        EXPECT_TRUE (b.commitCellEdit (0, c.column, juce::CharPointer_UTF8 (c.typed))) << c.typed;
        EXPECT_EQ (b.rowAt (0)->getStringAttribute (c.column == 3 ? "placano" : "barva"), c.stored) << c.typed;
    }
    EXPECT_TRUE (b.rowAt (0)->getBoolAttribute ("modified"));

    // The public decode tells a value it cannot read from one that reads as empty.
    TestBrowser numbers (kQuery, false);
    juce::String stored = "before";
    EXPECT_FALSE (numbers.decodeTextForCell ("abc", "znesek", stored));
    EXPECT_EQ (stored, "");
    EXPECT_TRUE (numbers.decodeTextForCell ("1,5", "znesek", stored));
    EXPECT_EQ (stored, "1.50");
    EXPECT_TRUE (numbers.decodeTextForCell ("", "datum", stored)); // clearing a date is a value
    EXPECT_EQ (stored, "");
}

TEST_F (BrowserDatabase, KeyboardMovesBringTheEditorsColumnIntoView)
{
    addRows (40);
    TestBrowser b (kQuery, true);
    b.setSize (260, 200);
    juce::DocumentWindow window ("pregled", juce::Colours::white, 0);
    window.setContentNonOwned (&b, true);
    window.setVisible (true);
    auto& header = b.getTable().getHeader();
    header.setStretchToFitActive (false);
    for (int id = 2; id <= 5; ++id)
        header.setColumnWidth (id, 200);
    pump (100);

    b.getTable().selectRow (30);
    ASSERT_TRUE (b.showEditor (30, 2));
    EXPECT_TRUE (cellIsInView (b, 2, 30));
    for (int id = 3; id <= 5; ++id)
    {
        ASSERT_TRUE (b.keyPressed (juce::KeyPress (juce::KeyPress::rightKey))) << id;
        pump();
        EXPECT_TRUE (cellIsInView (b, id, 30)) << "column " << id;
    }
    for (int id = 4; id >= 2; --id)
    {
        ASSERT_TRUE (b.keyPressed (juce::KeyPress (juce::KeyPress::leftKey))) << id;
        pump();
        EXPECT_TRUE (cellIsInView (b, id, 30)) << "column " << id;
    }
    ASSERT_TRUE (b.showEditor (2, 5)); // straight to a far cell, as a register does on a new line
    pump();
    EXPECT_TRUE (cellIsInView (b, 5, 2));
    window.clearContentComponent();
}

TEST_F (BrowserDatabase, RowIndexFollowsATreeReplacedFromOutside)
{
    addRows (5);
    TestBrowser b (kQuery, false, sumSpec());
    b.setSize (500, 300);
    const juce::String q (kQuery);
    struct Case
    {
        const char* how;
        std::function<void (TestBrowser&)> replace;
    };
    const Case cases[] = {
        { "attached, as many rows",
          [&] (TestBrowser& t)
          {
              SQLtoXml other;
              ASSERT_NE (other.sqlQuery ("SELECT id, ime, znesek * 10 AS znesek, kolicina, datum FROM pbtest"), nullptr);
              t.attach (other.forgetResult());
          } },
        { "copied, fewer rows",
          [&] (TestBrowser& t)
          {
              SQLtoXml other;
              ASSERT_NE (other.sqlQuery (q + " WHERE id <= 2"), nullptr);
              t.setResultCopy (other.getResult());
          } },
        { "taken over", [&] (TestBrowser& t)
          {
              auto other = std::make_unique<SQLtoXml>();
              ASSERT_NE (other->sqlQuery (q + " WHERE id > 1"), nullptr);
              t.stealAllData (other);
          } },
        { "queried past the browser", [&] (TestBrowser& t) { static_cast<SqlitetoXml&> (t).sqlQuery (q + " WHERE id = 4"); } },
        { "a row dropped", [&] (TestBrowser& t) { SQLtoXml::setDeleted (t.rowAt (0), true); t.removeDeleted(); } },
        { "emptied", [&] (TestBrowser& t) { t.attach (nullptr); } },
    };
    for (const auto& c : cases)
    {
        b.reloadData();
        ASSERT_EQ (b.rowAt (4)->getStringAttribute ("ime"), "R005") << c.how; // the index is built
        c.replace (b);

        wtest::snapshot (b); // paints every visible row through the index
        b.updateTableContent();
        std::vector<juce::XmlElement*> rows;
        double sum = 0;
        if (auto* d = b.getData())
            for (auto* row : d->getChildIterator())
            {
                rows.push_back (row);
                sum += row->getDoubleAttribute ("znesek");
            }
        ASSERT_EQ ((int) rows.size(), b.getNumRows()) << c.how;
        for (int i = 0; i < (int) rows.size(); ++i)
            EXPECT_EQ (b.rowAt (i), rows[(size_t) i]) << c.how << " row " << i;
        EXPECT_EQ (b.rowAt ((int) rows.size()), nullptr) << c.how;
        EXPECT_DOUBLE_EQ (b.getStatistika()->getStatsRow()->getDoubleAttribute ("znesek"), sum) << c.how;
    }
}
