// The two rate pickers over the loaded list: the combo of an item row's VAT cell (what it writes
// into its row, what it leaves alone, the arrow keys it lets through) and the choice row.
#include "reports/DDVTestParts.h"
#include "reports/gui/DDVChoicePropertyComponent.h"
#include "reports/gui/DDVCombo.h"
#include "widgets/PregledBaze.h"

using namespace ddvtest;

namespace
{
void pump (int ms = 40)
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil (ms);
}

class ComboFixture : public RatesDatabase
{
protected:
    void SetUp() override
    {
        RatesDatabase::SetUp();
        replaceRates ("(3, 22.0, 'Splosna', 1, 1), (7, 9.5, 'Nizja', 2, 1)");
        SQLtoXml q;
        ASSERT_TRUE (q.sqlQueryNA ("CREATE TABLE vrstica_test (id INTEGER PRIMARY KEY, opis TEXT, ddvid INTEGER, DDV TEXT)"));
        ASSERT_TRUE (q.sqlQueryNA ("INSERT INTO vrstica_test (opis, ddvid, DDV) VALUES ('vino', 3, 'staro'), ('stari', 99, 'staro'),"
                                   " ('brez', NULL, NULL)"));
    }

    static const char* query() { return "SELECT id, opis, ddvid, DDV FROM vrstica_test ORDER BY id"; }
};
} // namespace

TEST_F (ComboFixture, ItemsAreNotSelectedThenEachRateUnderItsIdPlusOne)
{
    PregledBaze items (query(), true, TableColumnSpec());
    DDVCombo combo (items);
    EXPECT_EQ (combo.getWidth(), 10);
    EXPECT_EQ (combo.getHeight(), 24);
    EXPECT_FALSE (combo.isTextEditable());
    ASSERT_EQ (combo.getNumItems(), 3);
    EXPECT_EQ (combo.getItemId (0), 1);
    EXPECT_EQ (combo.getItemText (0), "Ni izbrano");
    EXPECT_EQ (combo.getItemId (1), 4);
    EXPECT_EQ (combo.getItemText (1), "22,0 - Splosna - 22,0%");
    EXPECT_EQ (combo.getItemId (2), 8);
    EXPECT_EQ (combo.getItemText (2), "9,5 - Nizja - 9,5%");
}

TEST_F (ComboFixture, ChoosingARateWritesTheRowAndShowingOneWritesNothing)
{
    PregledBaze items (query(), true, TableColumnSpec());
    DDVCombo combo (items);
    auto* vino = items.rowAt (0);
    ASSERT_NE (vino, nullptr);

    combo.setRowAndColumn (0, 3);
    EXPECT_EQ (combo.getRow(), 0);
    EXPECT_EQ (combo.getColumn(), 3);
    EXPECT_EQ (combo.getSelectedId(), 4);
    pump();   // the notification of showing the row's own rate
    EXPECT_FALSE (SqlitetoXml::isModified (vino));
    EXPECT_EQ (vino->getStringAttribute ("DDV"), "staro");

    combo.setSelectedId (8, juce::sendNotificationSync);
    EXPECT_EQ (vino->getIntAttribute ("ddvid"), 7);
    EXPECT_EQ (vino->getStringAttribute ("DDV"), "9,5 - Nizja - 9,5%");
    EXPECT_TRUE (SqlitetoXml::isModified (vino));

    combo.setSelectedId (DDVCombo::kNotSelectedItem, juce::sendNotificationSync);
    EXPECT_EQ (vino->getStringAttribute ("ddvid"), "0");
    EXPECT_EQ (vino->getStringAttribute ("DDV"), "Ni izbrano");

    // A row without a rate shows "Not selected"; choosing it again changes nothing.
    auto* brez = items.rowAt (2);
    const auto stored = brez->getStringAttribute ("ddvid");
    combo.setRowAndColumn (2, 3);
    EXPECT_EQ (combo.getSelectedId(), DDVCombo::kNotSelectedItem);
    pump();
    EXPECT_FALSE (SqlitetoXml::isModified (brez));
    EXPECT_EQ (brez->getStringAttribute ("ddvid"), stored);
}

TEST_F (ComboFixture, UnknownRateSelectsNothingAndIsKept)
{
    PregledBaze items (query(), true, TableColumnSpec());
    DDVCombo combo (items);
    auto* stari = items.rowAt (1);

    combo.setRowAndColumn (1, 3);
    EXPECT_EQ (combo.getSelectedId(), 0);
    EXPECT_EQ (combo.getText(), "");
    pump();
    // An inactive rate of an old item is only shown, never replaced.
    EXPECT_EQ (stari->getIntAttribute ("ddvid"), 99);
    EXPECT_EQ (stari->getStringAttribute ("DDV"), "staro");
    EXPECT_FALSE (SqlitetoXml::isModified (stari));
}

TEST_F (ComboFixture, RowsThatAreNotThereAreLoggedAndLeftAlone)
{
    vtest::LogCapture log;
    PregledBaze none ("SELECT id, opis, ddvid, DDV FROM vrstica_test WHERE 0", true, TableColumnSpec());
    DDVCombo empty (none);
    empty.setRowAndColumn (0, 3);
    EXPECT_TRUE (log.contains ("<DDVCombo::setRowAndColumn> ni podatkov"));

    PregledBaze items (query(), true, TableColumnSpec());
    DDVCombo combo (items);
    combo.setRowAndColumn (5, 3);
    EXPECT_TRUE (log.contains ("<DDVCombo::setRowAndColumn> ni vrstice"));
    combo.setSelectedId (4, juce::sendNotificationSync);   // bound to no row: nothing to write
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE (SqlitetoXml::isModified (items.rowAt (i)));
}

TEST_F (ComboFixture, ArrowKeysPassToTheTable)
{
    PregledBaze items (query(), true, TableColumnSpec());
    DDVCombo combo (items);
    combo.setRowAndColumn (0, 3);
    vtest::LogCapture log;
    for (int key : { juce::KeyPress::leftKey, juce::KeyPress::upKey, juce::KeyPress::rightKey, juce::KeyPress::downKey })
    {
        EXPECT_FALSE (combo.keyPressed (juce::KeyPress (key))) << key;
        EXPECT_EQ (combo.getSelectedId(), 4) << key;   // the combo did not step to another rate
    }
    EXPECT_TRUE (log.contains ("<DDVCombo::keyPressed> not consuming this key"));
    pump();
    EXPECT_FALSE (SqlitetoXml::isModified (items.rowAt (0)));
}

TEST_F (RatesDatabase, ChoiceRowOffersNotSelectedAndTheLabelsAndWritesTheRateId)
{
    replaceRates ("(3, 22.0, ' Splosna ', 1, 1), (5, 8.0, 'Stara', 3, 0), (7, 9.5, 'Nizja', 2, 1)");
    juce::Value chosen (juce::var (0));
    std::unique_ptr<DDVChoicePropertyComponent> row (DDVChoicePropertyComponent::loadAndCreate (chosen, "DDV"));
    ASSERT_NE (row, nullptr);
    EXPECT_EQ (row->getName(), "DDV");
    row->setSize (400, 24);

    juce::ComboBox* combo = nullptr;
    for (auto* child : row->getChildren())
        if ((combo = dynamic_cast<juce::ComboBox*> (child)) != nullptr)
            break;
    ASSERT_NE (combo, nullptr);
    row->refresh();
    ASSERT_EQ (combo->getNumItems(), 3);
    EXPECT_EQ (combo->getItemText (0), "Ni izbrano");
    EXPECT_EQ (combo->getItemText (1), "Splosna - 22,0%");
    EXPECT_EQ (combo->getItemText (2), "Nizja - 9,5%");
    EXPECT_EQ (combo->getSelectedItemIndex(), 0);

    combo->setSelectedItemIndex (2, juce::sendNotificationSync);
    EXPECT_EQ ((int) chosen.getValue(), 7);
    combo->setSelectedItemIndex (0, juce::sendNotificationSync);
    EXPECT_EQ ((int) chosen.getValue(), 0);

    chosen = 3;
    pump();
    EXPECT_EQ (combo->getSelectedItemIndex(), 1);
}

TEST_F (RatesDatabase, ChoiceRowOverAnEmptyTableOffersOnlyNotSelected)
{
    replaceRates ({});
    juce::Value chosen (juce::var (0));
    std::unique_ptr<DDVChoicePropertyComponent> row (DDVChoicePropertyComponent::loadAndCreate (chosen, "DDV"));
    ASSERT_NE (row, nullptr);
    juce::ComboBox* combo = nullptr;
    for (auto* child : row->getChildren())
        if ((combo = dynamic_cast<juce::ComboBox*> (child)) != nullptr)
            break;
    ASSERT_NE (combo, nullptr);
    row->refresh();
    ASSERT_EQ (combo->getNumItems(), 1);
    EXPECT_EQ (combo->getItemText (0), "Ni izbrano");
}
