#include "widgets/BrowserRows.h"

#include <gtest/gtest.h>

namespace
{
const SortAlphabet latin ("abcdefghijklmnopqrstuvwxyz", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "ABCDEFGHIJKLMNOPQRSTUVWXYZ");

// A result tree of (id, skupina, masa) rows with its COLUMNS element.
std::unique_ptr<juce::XmlElement> makeTree (std::initializer_list<std::tuple<int, const char*, double>> rows)
{
    auto root = std::make_unique<juce::XmlElement> ("SQLITE_DATA");
    auto* columns = root->createNewChildElement ("COLUMNS");
    int id = 1;
    for (auto* name : { "id", "skupina", "masa" })
    {
        auto* c = columns->createNewChildElement ("COLUMN");
        c->setAttribute ("columnId", id++);
        c->setAttribute ("name", name);
    }
    auto* data = root->createNewChildElement ("DATA");
    for (auto& [rid, group, masa] : rows)
    {
        auto* r = data->createNewChildElement ("ITEM");
        r->setAttribute ("id", rid);
        r->setAttribute ("skupina", group);
        r->setAttribute ("masa", masa);
    }
    return root;
}

juce::StringArray column (const juce::XmlElement& data, const char* name)
{
    juce::StringArray out;
    for (auto* r : data.getChildIterator())
        out.add (r->getStringAttribute (name));
    return out;
}

TableColumnSpec reportSpec()
{
    return TableColumnSpec ("test_", { { "skupina", CellType::text, 10 }, { "masa", CellType::amount, 10 } }, { "id" },
                            { { "skupina", StatKind::title }, { "masa", StatKind::sum } });
}
} // namespace

TEST (BrowserRowsTest, SortsByValueThenIdBothWays)
{
    auto tree = makeTree ({ { 10, "b", 1 }, { 9, "a", 2 }, { 2, "b", 3 }, { 1, "a10", 4 }, { 3, "a2", 5 } });
    auto* data = tree->getChildByName ("DATA");
    BrowserRows::sortRows (*data, "skupina", 1, latin);
    EXPECT_EQ (column (*data, "id"), juce::StringArray ({ "9", "3", "1", "2", "10" }));
    BrowserRows::sortRows (*data, "skupina", -1, latin);
    EXPECT_EQ (column (*data, "id"), juce::StringArray ({ "10", "2", "1", "3", "9" }));
    EXPECT_EQ (data->getNumChildElements(), 5);
}

TEST (BrowserRowsTest, SummaryRowAfterEachGroupWithItsStatistics)
{
    auto tree = makeTree ({ { 1, "A", 10 }, { 2, "A", 5 }, { 3, "B", 7 } });
    auto* data = tree->getChildByName ("DATA");
    data->getChildElement (1)->setAttribute ("modified", 1);

    juce::StringArray marked;
    const int added = BrowserRows::insertSummaryRows (*data, tree->getChildByName ("COLUMNS"), "skupina", reportSpec(),
                                                      [&] (juce::XmlElement& row, const juce::String& value)
                                                      {
                                                          row.setAttribute ("ign_stats", 1);
                                                          row.setAttribute ("delnastatistika_value", value);
                                                          marked.add (value);
                                                      });
    EXPECT_EQ (added, 2);
    EXPECT_EQ (marked, juce::StringArray ({ "A", "B" }));
    ASSERT_EQ (data->getNumChildElements(), 5);
    EXPECT_EQ (column (*data, "id"), juce::StringArray ({ "1", "2", "", "3", "" }));

    auto* summaryA = data->getChildElement (2);
    EXPECT_EQ (summaryA->getStringAttribute ("delnastatistika_value"), "A");
    EXPECT_DOUBLE_EQ (summaryA->getDoubleAttribute ("masa"), 15.0);
    EXPECT_EQ (summaryA->getStringAttribute ("skupina"), "test_stats_skupina"); // the title, translated
    EXPECT_FALSE (summaryA->hasAttribute ("modified"));                         // copied from a modified row, yet no record
    EXPECT_DOUBLE_EQ (data->getChildElement (4)->getDoubleAttribute ("masa"), 7.0);
}

TEST (BrowserRowsTest, QuickSearchPrefixAndContains)
{
    auto tree = makeTree ({ { 1, " Abeceda", 0 }, { 2, "kabel", 0 }, { 3, "ABC", 0 }, { 4, "xyz", 0 } });
    const auto& data = *tree->getChildByName ("DATA");
    EXPECT_EQ (BrowserRows::findSearchMatches (data, "skupina", "ab"), juce::Array<int> ({ 0, 2 }));
    EXPECT_EQ (BrowserRows::findSearchMatches (data, "skupina", "%ab"), juce::Array<int> ({ 0, 1, 2 }));
    EXPECT_EQ (BrowserRows::findSearchMatches (data, "skupina", "%"), juce::Array<int> ({ 0, 1, 2, 3 }));
    EXPECT_TRUE (BrowserRows::findSearchMatches (data, "skupina", "  ").isEmpty());
    EXPECT_TRUE (BrowserRows::findSearchMatches (data, "nothere", "a").isEmpty());
}

TEST (BrowserRowsTest, SearchTextFollowsTheKeys)
{
    using Press = BrowserRows::SearchKeyPress;
    const auto typed = [] (juce::juce_wchar c, bool modifiers = false)
    {
        Press p;
        p.character = c;
        p.withModifiers = modifiers;
        return p;
    };
    Press escape, enter, erase, space, shiftedEscape, bare;
    escape.escape = enter.enter = erase.erase = space.space = true;
    shiftedEscape.escape = shiftedEscape.withModifiers = true;

    struct Case { const char* before; Press key; bool used; const char* after; };
    const Case cases[] = {
        { "ab", typed ('c'), true, "abc" },
        { "ab", typed ('C', true), true, "abC" },    // a shifted letter is still typed
        { "ab", erase, true, "a" },
        { "", erase, true, "" },
        { "ab", escape, true, "" },
        { "ab", shiftedEscape, false, "ab" },       // only a plain Escape clears
        { "ab", enter, true, "ab" },                 // Enter keeps the text and moves the selection again
        { "", space, false, "" },                    // no leading blank
        { "  ", space, false, "  " },
        { "a", space, true, "a " },
        { "ab", bare, false, "ab" },
    };
    for (const auto& c : cases)
    {
        juce::String text (c.before);
        EXPECT_EQ (BrowserRows::applySearchKey (text, c.key), c.used) << c.before;
        EXPECT_EQ (text, c.after) << c.before;
    }
}
