// The choosers of units, quality grades and bottle models over a real database: which units a
// field's mask offers, the grades in the table's order, models with and without a unit row,
// withdrawn models, the unit cell's combo and what it writes (and leaves alone), and the VAT cell.
#include "db/SQLtoXml.h"
#include "reports/DDV.h"
#include "support/TestSupport.h"
#include "support/WidgetTestSupport.h"
#include "warehouse/EnotaList.h"
#include "warehouse/gui/EnotaCombo.h"
#include "warehouse/gui/KvalitetaChoicePropertyComponent.h"
#include "warehouse/gui/ModelChoicePropertyComponent.h"
#include "warehouse/gui/PregledBazeModel.h"
#include "warehouse/gui/RefreshDDVCombo.h"
#include "warehouse/gui/ValUnitRow.h"

#include <gtest/gtest.h>

using wtest::pump;

namespace
{
class GoodsChoosersDb : public ::testing::Test
{
protected:
    void SetUp() override
    {
        juce::LocalisedStrings::setCurrentMappings (
            new juce::LocalisedStrings (vtest::resourcesFolder().getChildFile ("slovensko.txt"), true));
    }
    void TearDown() override { juce::LocalisedStrings::setCurrentMappings (nullptr); }

    static void run (const juce::String& sql)
    {
        SQLtoXml q;
        ASSERT_TRUE (q.sqlQueryNA (sql)) << q.lastError << " in " << sql;
    }

    static juce::StringArray itemTexts (juce::ComboBox& combo)
    {
        juce::StringArray texts;
        for (int i = 0; i < combo.getNumItems(); ++i)
            texts.add (combo.getItemText (i));
        return texts;
    }

    /** The grades the test sets: in the table's order, which is not the order of their labels. */
    static void grades()
    {
        run ("CREATE TABLE IF NOT EXISTS `kvaliteta` (`id` integer NOT NULL PRIMARY KEY AUTOINCREMENT, `oznaka` varchar(64))");
        run ("DELETE FROM kvaliteta");
        run ("INSERT INTO kvaliteta(id,oznaka) VALUES (1,'Vrhunsko'),(2,'Namizno'),(3,'Kakovostno')");
    }

    vtest::FreshDatabase database;
};

struct TestedUnitRow
{
    TestedUnitRow (int mask) : row (createValUnitRow (amount, unit, "Kolicina", mask, 0.3)) {}
    juce::Value amount { juce::var ("1,5") };
    juce::Value unit { juce::var (0) };
    std::unique_ptr<ValUnitPropertyComponent> row;
};
} // namespace

TEST (EnotaListText, MaskUpTo1025FiltersAndAboveOffersAll)
{
    EXPECT_EQ (EnotaList::selectSQL (64), "SELECT * FROM enota  WHERE quantity & 64");
    EXPECT_EQ (EnotaList::selectSQL (1025), "SELECT * FROM enota  WHERE quantity & 1025");
    EXPECT_EQ (EnotaList::selectSQL (1026), "SELECT * FROM enota ");
    EXPECT_EQ (EnotaList::selectSQL (2048), "SELECT * FROM enota ");
}

TEST_F (GoodsChoosersDb, UnitRowOffersTheUnitsOfItsMask)
{
    struct Case { int mask; int count; juce::StringArray some; };
    const Case cases[] = {
        { 2048, 36, { "l", "steklenica", "vol %", "g/l" } },   // every unit
        { 64, -1, { "kos", "steklenica", "l", "kg" } },           // article quantities
        { 45, -1, { "vol %", "g/l", "mg/l", "ml/l" } },            // alcohol
        { 269, -1, { "g/l", juce::String::fromUTF8 ("\xc2\xb0Oe") } },   // residual sugar
        { 4, -1, { "g/l", "mg/l", "%" } },                        // analysis values
        { 15, -1, { "g", "ml", "g/hl", "ml/hl" } },               // agent amounts
        { 16, 0, {} },                                            // a kind no unit serves
        { 1024, 0, {} },
    };
    for (const auto& c : cases)
    {
        TestedUnitRow tested (c.mask);
        ASSERT_NE (tested.row, nullptr);
        auto& combo = tested.row->getComboBox();
        const auto texts = itemTexts (combo);
        if (c.count >= 0)
            EXPECT_EQ (texts.size(), c.count) << c.mask;
        for (const auto& s : c.some)
            EXPECT_TRUE (texts.contains (s)) << c.mask << " lacks " << s;
        const auto units = EnotaList::forMask (c.mask);
        for (const auto& e : units)
            EXPECT_TRUE (c.mask > 1025 || (e.quantity & c.mask) != 0) << e.oznaka;
        EXPECT_EQ ((int) units.size(), texts.size());
    }
    // Alcohol in vol % is never offered for an article quantity, a bottle never for alcohol.
    EXPECT_FALSE (itemTexts (TestedUnitRow (64).row->getComboBox()).contains ("vol %"));
    EXPECT_FALSE (itemTexts (TestedUnitRow (45).row->getComboBox()).contains ("steklenica"));
}

TEST_F (GoodsChoosersDb, UnitRowWritesTheChosenUnitId)
{
    TestedUnitRow tested (64);
    tested.row->setSize (400, 24);
    auto& combo = tested.row->getComboBox();
    const int index = itemTexts (combo).indexOf ("steklenica");
    ASSERT_GE (index, 0);
    combo.setSelectedItemIndex (index, juce::sendNotificationSync);
    EXPECT_EQ ((int) tested.unit.getValue(), 32);
    EXPECT_EQ (tested.row->getLabel().getText(), "1,5");
    // The combo takes 30 % of the row's content.
    EXPECT_LT (combo.getWidth(), tested.row->getLabel().getWidth());

    TestedUnitRow none (16);
    none.unit = 7;
    pump();
    EXPECT_EQ (none.row->getComboBox().getSelectedId(), 0);
}

TEST_F (GoodsChoosersDb, GradesInTheTablesOrderAndAnUnknownGradeIsMinusOne)
{
    grades();
    juce::Value chosen (juce::var (2));
    std::unique_ptr<KvalitetaChoicePropertyComponent> row (KvalitetaChoicePropertyComponent::loadAndCreate (chosen, "Kvaliteta"));
    ASSERT_NE (row, nullptr);
    row->setSize (400, 24);
    row->refresh();
    auto* combo = wtest::findChild<juce::ComboBox> (*row);
    ASSERT_NE (combo, nullptr);
    EXPECT_EQ (itemTexts (*combo), juce::StringArray ({ "Vrhunsko", "Namizno", "Kakovostno" }));
    EXPECT_EQ (combo->getText(), "Namizno");
    EXPECT_EQ (row->getID(), 2);

    combo->setSelectedItemIndex (2, juce::sendNotificationSync);
    EXPECT_EQ ((int) chosen.getValue(), 3);
    EXPECT_EQ (row->getID(), 3);

    vtest::LogCapture log;
    chosen = 9;
    pump();
    EXPECT_EQ (row->getID(), -1);
    EXPECT_TRUE (log.contains ("<KvalitetaChoicePropertyComponent::getID> WARNING: index not found"));

    run ("DELETE FROM kvaliteta");
    juce::Value empty (juce::var (2));
    std::unique_ptr<KvalitetaChoicePropertyComponent> none (KvalitetaChoicePropertyComponent::loadAndCreate (empty, "Kvaliteta"));
    none->refresh();
    EXPECT_EQ (wtest::findChild<juce::ComboBox> (*none)->getNumItems(), 0);
    EXPECT_EQ (none->getID(), -1);
}

TEST_F (GoodsChoosersDb, ModelsOfferedWithTheirUnitsAndWithdrawnOnesNowhere)
{
    run ("INSERT INTO model(id,oznaka,volumen,enota,active) VALUES (2,'Bordo',0.75,7,1),(3,'Brez enote',2,99,1),"
         "(4,'Umaknjen',1,7,0),(5,'Sod',2.25,8,1)");
    juce::Value chosen (juce::var (5));
    std::unique_ptr<ModelChoicePropertyComponent> row (ModelChoicePropertyComponent::loadAndCreate (chosen, "Steklenica"));
    ASSERT_NE (row, nullptr);
    row->refresh();
    auto* combo = wtest::findChild<juce::ComboBox> (*row);
    ASSERT_NE (combo, nullptr);
    // The placeholder 1 and the withdrawn model are not offered; labels alone, in the table's order.
    EXPECT_EQ (itemTexts (*combo), juce::StringArray ({ "Bordo", "Brez enote", "Sod" }));

    auto m = row->getIDN();
    EXPECT_EQ (m.id, 5);
    EXPECT_DOUBLE_EQ (m.volumen, 2.25);
    EXPECT_EQ (m.enota.id, 8);
    EXPECT_EQ (m.enota.oznaka, "hl");
    EXPECT_DOUBLE_EQ (m.enota.SI, 0.1);
    EXPECT_EQ (m.enota.quantity, 66);
    EXPECT_TRUE (m.active);

    combo->setSelectedItemIndex (1, juce::sendNotificationSync);
    EXPECT_EQ ((int) chosen.getValue(), 3);
    m = row->getIDN();
    EXPECT_EQ (m.id, 3);
    EXPECT_EQ (m.enota.id, 99);
    EXPECT_EQ (m.enota.oznaka, "");
    EXPECT_DOUBLE_EQ (m.enota.SI, 0.0);   // its bottle holds 0 l
    EXPECT_DOUBLE_EQ (m.volumen * m.enota.SI / 0.001, 0.0);

    for (int held : { 4, 1 })
    {
        vtest::LogCapture log;
        chosen = held;
        pump();
        EXPECT_EQ (row->getIDN().id, -1) << held;
        EXPECT_EQ (row->getIDN().oznaka, "");
        EXPECT_TRUE (log.contains ("<ModelChoicePropertyComponent::getIDN> WARNING: index not found"));
    }

    PregledBazeModel register_ (0);
    juce::StringArray listed;
    for (int i = 0; auto* r = register_.rowAt (i); ++i)
        listed.add (r->getStringAttribute ("oznaka"));
    EXPECT_EQ (listed, juce::StringArray ({ "Bordo", "Brez enote", "Sod" }));
    EXPECT_EQ (register_.rowAt (1)->getStringAttribute ("enota"), "");
}

namespace
{
class UnitCellDb : public GoodsChoosersDb
{
protected:
    void SetUp() override
    {
        GoodsChoosersDb::SetUp();
        run ("INSERT INTO model(id,oznaka,volumen,enota,active) VALUES (2,'A brez',1,0,1),(3,'B izgubljena',1,99,1),"
             "(4,'C bordo',0.75,7,1),(5,'D minus',1,-1,1)");
    }

    static juce::String storedUnits()
    {
        SQLtoXml q;
        juce::StringArray units;
        if (q.sqlQuery ("SELECT id,enota FROM model WHERE id>1 ORDER BY id") != nullptr)
            for (auto* r : q.getData()->getChildIterator())
                units.add (r->getStringAttribute ("id") + ":" + r->getStringAttribute ("enota"));
        return units.joinIntoString (",");
    }
};
} // namespace

TEST_F (UnitCellDb, ComboListsEveryUnitUnderItsIdPlusOne)
{
    PregledBazeModel models (1);
    EnotaCombo combo (models);
    EXPECT_EQ (combo.getWidth(), 10);
    EXPECT_EQ (combo.getHeight(), 24);
    EXPECT_FALSE (combo.isTextEditable());
    ASSERT_EQ (combo.getNumItems(), 36);
    EXPECT_EQ (combo.getItemId (6), 8);
    EXPECT_EQ (combo.getItemText (6), "l");
    EXPECT_EQ (combo.getItemId (31), 33);
    EXPECT_EQ (combo.getItemText (31), "steklenica");
}

TEST_F (UnitCellDb, RowsNamingNoUnitStayUntouchedThroughTheNextSave)
{
    PregledBazeModel models (1);
    ASSERT_EQ (models.getNumRows(), 4);
    EnotaCombo combo (models);
    for (int row = 0; row < 4; ++row)
    {
        vtest::LogCapture log;
        combo.setRowAndColumn (row, PregledBazeModel::kEnotaColumn);
        pump();
        EXPECT_TRUE (log.contains ("<EnotaCombo::setRowAndColumn> row:" + juce::String (row) + " column:5"));
        EXPECT_FALSE (SqlitetoXml::isModified (models.rowAt (row))) << row;
    }
    EXPECT_EQ (combo.getSelectedId(), 0);   // the last row names unit -1
    combo.setRowAndColumn (2, PregledBazeModel::kEnotaColumn);
    EXPECT_EQ (combo.getSelectedId(), 8);
    pump();

    // Rebound before the notification of the last binding arrives: nothing is written either.
    combo.setRowAndColumn (0, PregledBazeModel::kEnotaColumn);
    combo.setRowAndColumn (1, PregledBazeModel::kEnotaColumn);
    pump();
    for (int row = 0; row < 4; ++row)
        EXPECT_FALSE (SqlitetoXml::isModified (models.rowAt (row))) << row;

    ASSERT_TRUE (models.buttonAction (ButtonCode::saveItem)) << models.lastError;
    EXPECT_EQ (storedUnits(), "2:0,3:99,4:7,5:-1");
}

TEST_F (UnitCellDb, ChoosingAUnitWritesTheRowAndTheSameUnitChangesNothing)
{
    PregledBazeModel models (1);
    EnotaCombo combo (models);
    auto* bordo = models.rowAt (2);
    ASSERT_EQ (bordo->getStringAttribute ("oznaka"), "C bordo");
    combo.setRowAndColumn (2, PregledBazeModel::kEnotaColumn);
    pump();

    combo.setSelectedId (8, juce::sendNotificationSync);   // "l" again
    EXPECT_FALSE (SqlitetoXml::isModified (bordo));

    combo.setSelectedId (33, juce::sendNotificationSync);
    EXPECT_EQ (bordo->getIntAttribute ("enotaid"), 32);
    EXPECT_EQ (bordo->getStringAttribute ("enota"), "steklenica");
    EXPECT_TRUE (SqlitetoXml::isModified (bordo));

    // A row that names no unit takes a unit the user picks.
    auto* brez = models.rowAt (0);
    combo.setRowAndColumn (0, PregledBazeModel::kEnotaColumn);
    pump();
    combo.setSelectedId (2, juce::sendNotificationSync);
    EXPECT_EQ (brez->getIntAttribute ("enotaid"), 1);
    EXPECT_TRUE (SqlitetoXml::isModified (brez));

    ASSERT_TRUE (models.buttonAction (ButtonCode::saveItem)) << models.lastError;
    EXPECT_EQ (storedUnits(), "2:1,3:99,4:32,5:-1");
}

TEST_F (UnitCellDb, CellComponentsAreReusedOrReplaced)
{
    PregledBazeModel models (1);
    // The unit cell: an EnotaCombo is kept, anything else deleted.
    auto* first = refreshEnotaCombo (nullptr, models, 2, 5);
    EXPECT_EQ (refreshEnotaCombo (first, models, 3, 5), first);
    EXPECT_EQ (first->getRow(), 3);
    juce::Component::SafePointer<juce::Component> stranger (new juce::Label());
    std::unique_ptr<EnotaCombo> replaced (refreshEnotaCombo (stranger.getComponent(), models, 2, 5));
    EXPECT_EQ (stranger.getComponent(), nullptr);
    EXPECT_EQ (replaced->getSelectedId(), 8);
    delete first;

    // The VAT cell of an item row, over the loaded rate list.
    delete DDV::getInstanceWithoutCreating();
    run ("CREATE TABLE vrstica_test (id INTEGER PRIMARY KEY, opis TEXT, ddvid INTEGER, DDV TEXT)");
    run ("INSERT INTO vrstica_test (opis, ddvid, DDV) VALUES ('vino', 3, ''), ('voda', 4, '')");
    PregledBaze items ("SELECT id, opis, ddvid, DDV FROM vrstica_test ORDER BY id", true, TableColumnSpec());
    auto* ddv = refreshDDVCombo (nullptr, items, 0, 3);
    EXPECT_EQ (ddv->getSelectedId(), 4);
    EXPECT_EQ (refreshDDVCombo (ddv, items, 1, 3), ddv);
    EXPECT_EQ (ddv->getRow(), 1);
    EXPECT_EQ (ddv->getSelectedId(), 5);
    juce::Component::SafePointer<juce::Component> other (new juce::TextButton());
    std::unique_ptr<DDVCombo> fresh (refreshDDVCombo (other.getComponent(), items, 0, 3));
    EXPECT_EQ (other.getComponent(), nullptr);
    EXPECT_NE (fresh.get(), ddv);
    EXPECT_EQ (fresh->getSelectedId(), 4);
    delete ddv;
    pump();
    EXPECT_FALSE (SqlitetoXml::isModified (items.rowAt (0)));
    delete DDV::getInstanceWithoutCreating();
}
