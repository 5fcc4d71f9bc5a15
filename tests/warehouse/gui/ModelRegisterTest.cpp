// The bottle-model register on screen (Xvfb), as a person keeps it from the settings button:
// two Inserts, a volume typed into a cell, a unit picked in the unit cell, Save; the stored rows
// are listed, the register opens afresh and the batch dialog's chooser offers the new models.
#include "db/SQLtoXml.h"
#include "frame/KWManager.h"
#include "frame/VindorWindow.h"
#include "support/ScriptedAnswerer.h"
#include "support/TestSupport.h"
#include "support/WidgetTestSupport.h"
#include "support/WindowTestParts.h"
#include "warehouse/gui/EnotaCombo.h"
#include "warehouse/gui/ModelButtonPropertyComponent.h"
#include "warehouse/gui/ModelChoicePropertyComponent.h"
#include "warehouse/gui/PregledBazeModel.h"
#include "widgets/VindorPropertyPanel.h"

#include <gtest/gtest.h>

using wtest::pump;

namespace
{
class ModelRegister : public ::testing::Test
{
protected:
    void SetUp() override
    {
        juce::LocalisedStrings::setCurrentMappings (
            new juce::LocalisedStrings (vtest::resourcesFolder().getChildFile ("slovensko.txt"), true));
        owner.setSize (500, 200);
        button = new ModelButtonPropertyComponent (TRANS ("Steklenica"), TRANS ("Edit"), &owner);
        panel.addProperties ({ button });
        panel.setBounds (owner.getLocalBounds());
        owner.addAndMakeVisible (panel);
    }

    void TearDown() override
    {
        wtest::closeOpenWindows();
        juce::LocalisedStrings::setCurrentMappings (nullptr);
    }

    VindorWindow* child() { return dynamic_cast<VindorWindow*> (button->currentChild.get()); }

    static PregledBazeModel* browserIn (VindorWindow* window)
    {
        return window != nullptr ? dynamic_cast<PregledBazeModel*> (window->getAction()) : nullptr;
    }

    VindorWindow* clickButton()
    {
        auto* text = wtest::findChild<juce::TextButton> (*button);
        if (text == nullptr)
            return nullptr;
        text->triggerClick();
        pump (150);
        return child();
    }

    static void press (VindorWindow* window, const juce::String& key)
    {
        ASSERT_NE (window, nullptr);
        auto* b = wtest::windowButton (*window, TRANS (key));
        ASSERT_NE (b, nullptr) << key;
        b->triggerClick();
        pump (120);
    }

    static void typeInto (juce::Label& cell, const juce::String& text)
    {
        cell.showEditor();
        auto* editor = cell.getCurrentTextEditor();
        ASSERT_NE (editor, nullptr);
        editor->selectAll();
        for (auto c : text)
            editor->keyPressed (juce::KeyPress ((int) c, 0, c));
        editor->keyPressed (juce::KeyPress (juce::KeyPress::returnKey));
        pump();
    }

    static juce::StringArray stored()
    {
        SQLtoXml q;
        juce::StringArray rows;
        if (q.sqlQuery ("SELECT oznaka,printf('%.2f',volumen) AS volumen,enota,active FROM model WHERE id>1 ORDER BY id") != nullptr)
            for (auto* r : q.getData()->getChildIterator())
                rows.add (r->getStringAttribute ("oznaka") + "|" + r->getStringAttribute ("volumen") + "|"
                          + r->getStringAttribute ("enota") + "|" + r->getStringAttribute ("active"));
        return rows;
    }

    vtest::FreshDatabase database;
    vtest::ScriptedAnswerer answerer;
    juce::Component owner;
    VindorPropertyPanel panel;
    ModelButtonPropertyComponent* button = nullptr;   // owned by the panel
};
} // namespace

TEST_F (ModelRegister, TwoInsertsATypedVolumeAndAPickedUnitAreSavedAndOffered)
{
    EXPECT_EQ (button->getButtonText(), "Steklenica");
    auto* window = clickButton();
    ASSERT_NE (window, nullptr);
    EXPECT_EQ (window->getTitle(), TRANS ("modelwindowtitle"));
    for (int code : { ButtonCode::cancel, ButtonCode::saveItem, ButtonCode::edit, ButtonCode::remove, ButtonCode::insert })
        EXPECT_TRUE (window->hasButton (code)) << code;
    auto* browser = browserIn (window);
    ASSERT_NE (browser, nullptr);
    EXPECT_TRUE (browser->isEditable());
    EXPECT_EQ (browser->getNumRows(), 0);   // the placeholder model is not listed
    auto& header = browser->getTable().getHeader();
    EXPECT_EQ (header.getSortColumnId(), PregledBazeModel::kOznakaColumn);
    EXPECT_TRUE (header.isSortedForwards());
    EXPECT_FALSE (header.isColumnVisible (1));
    EXPECT_FALSE (header.isColumnVisible (4));
    EXPECT_EQ (header.getColumnName (PregledBazeModel::kVolumenColumn), TRANS ("model_volumen"));

    EXPECT_EQ (clickButton(), window);   // a second click brings the open register forward
    EXPECT_EQ (wtest::openWindowCount(), 1);

    {
        vtest::LogCapture log;
        press (window, "Insert");
        press (window, "Insert");
        EXPECT_TRUE (log.contains ("<PregledBazeModel::insertAction> 2 rows in table now"));
        EXPECT_TRUE (log.contains ("<PregledBazeModel::insertAction> done"));
    }
    ASSERT_EQ (browser->getNumRows(), 2);
    for (int row = 0; row < 2; ++row)
    {
        auto* r = browser->rowAt (row);
        EXPECT_EQ (r->getStringAttribute ("oznaka"), TRANS ("model_novaoznaka"));
        EXPECT_EQ (r->getStringAttribute ("enota"), "l");
        EXPECT_TRUE (SqlitetoXml::isInserted (r));
    }

    auto& table = browser->getTable();
    auto* volume = dynamic_cast<juce::Label*> (table.getCellComponent (PregledBazeModel::kVolumenColumn, 0));
    ASSERT_NE (volume, nullptr);
    typeInto (*volume, "0,75");
    EXPECT_DOUBLE_EQ (browser->rowAt (0)->getDoubleAttribute ("volumen"), 0.75);

    auto* unit = dynamic_cast<EnotaCombo*> (table.getCellComponent (PregledBazeModel::kEnotaColumn, 1));
    ASSERT_NE (unit, nullptr);
    EXPECT_EQ (unit->getText(), "l");
    unit->setSelectedId (8 + 1, juce::sendNotificationSync);   // "hl"
    EXPECT_EQ (browser->rowAt (1)->getIntAttribute ("enotaid"), 8);

    vtest::LogCapture log;
    press (window, "Save");
    EXPECT_TRUE (log.contains ("<ModelButtonPropertyComponent::changeListenerCallback> save action"));
    const auto nova = TRANS ("model_novaoznaka");
    juce::StringArray expected;
    expected.add (nova + "|0.75|7|1");
    expected.add (nova + "|1.00|8|1");
    EXPECT_EQ (stored(), expected) << stored().joinIntoString (" / ");

    // The register opens again over the stored rows.
    auto* reopened = child();
    ASSERT_NE (reopened, nullptr);
    auto* fresh = browserIn (reopened);
    ASSERT_NE (fresh, nullptr);
    EXPECT_NE (fresh, browser);
    EXPECT_EQ (fresh->getNumRows(), 2);
    EXPECT_EQ (wtest::openWindowCount(), 1);

    juce::Value chosen (juce::var (0));
    std::unique_ptr<ModelChoicePropertyComponent> choice (ModelChoicePropertyComponent::loadAndCreate (chosen, TRANS ("Steklenica")));
    choice->refresh();
    auto* combo = wtest::findChild<juce::ComboBox> (*choice);
    ASSERT_NE (combo, nullptr);
    ASSERT_EQ (combo->getNumItems(), 2);
    combo->setSelectedItemIndex (1, juce::sendNotificationSync);
    const auto model = choice->getIDN();
    EXPECT_GT (model.id, 1);
    EXPECT_EQ (model.enota.oznaka, "hl");
    EXPECT_DOUBLE_EQ (model.volumen * model.enota.SI / 0.001, 100.0);   // a hectolitre package holds 100 l

    // Cancel closes the register and the button forgets it.
    press (reopened, "Cancel");
    EXPECT_EQ (child(), nullptr);
    EXPECT_EQ (wtest::openWindowCount(), 0);
}

TEST_F (ModelRegister, ReadOnlyRegisterGivesNoCellEditorsAndInsertNeedsRows)
{
    SQLtoXml q;
    ASSERT_TRUE (q.sqlQueryNA ("INSERT INTO model(oznaka,volumen,enota) VALUES ('Bordo',0.75,7)"));
    PregledBazeModel viewer (0);
    ASSERT_EQ (viewer.getNumRows(), 1);
    for (int column = 1; column <= 5; ++column)
    {
        juce::Component::SafePointer<juce::Component> old (new juce::Label());
        EXPECT_EQ (viewer.refreshComponentForCell (0, column, false, old.getComponent()), nullptr) << column;
        EXPECT_EQ (old.getComponent(), nullptr);
    }

    // A browser whose query failed holds no rows element: nothing to add the row to.
    struct Broken : PregledBazeModel
    {
        Broken() : PregledBazeModel (1) { sqlQuery ("SELECT * FROM ni_tabele"); }
    } broken;
    EXPECT_FALSE (broken.insertAction());
}
