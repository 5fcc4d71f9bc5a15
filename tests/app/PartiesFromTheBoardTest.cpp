// A new party added the way a person does it from the main board, under a real X server: the
// "Stranke" button, Insert, typing into the rows, a post office from its chooser, the party kinds,
// an account added through the account picker, Save; the register then shows the new party
// selected. A picture of the editor with both sections open is written for a look by eye.
#include "app/BoardWindows.h"
#include "app/MainContentComponent.h"
#include "partners/PartnersDb.h"
#include "partners/gui/AddStranka.h"
#include "partners/gui/IBANButtonPropertyComponent.h"
#include "partners/gui/IBANEditor.h"
#include "partners/gui/PartnerWindows.h"
#include "partners/gui/PostaValButton.h"
#include "partners/gui/PregledBazePosta.h"
#include "partners/gui/PregledBazeStranka.h"
#include "support/BoardWiring.h"
#include "support/ScriptedAnswerer.h"

using namespace ptest;

namespace
{
class PartiesFromTheBoard : public PartnersDb
{
protected:
    void SetUp() override
    {
        PartnersDb::SetUp();
        board = wtest::openWiredBoard();
    }

    void TearDown() override
    {
        closeAllWindows();
        board.reset();
        wtest::unwireBoard();
        PregledBazeStranka::editorMaker = nullptr;
        pump();
        PartnersDb::TearDown();
    }

    int boardIndex (const juce::String& label) { return wtest::boardButtonIndex (*board, label); }

    template <typename Row>
    static Row* rowCaptioned (juce::Component& form, const juce::String& caption)
    {
        return wtest::findChild<Row> (form, [&] (Row& r) { return r.getName() == caption; });
    }

    /** Types into a text row as a person does: opens its editor, writes, presses Return. */
    static void type (juce::Component& form, const juce::String& caption, const juce::String& text)
    {
        auto* row = rowCaptioned<juce::TextPropertyComponent> (form, caption);
        ASSERT_NE (row, nullptr) << caption;
        auto* label = wtest::findChild<juce::Label> (*row);
        ASSERT_NE (label, nullptr);
        label->showEditor();
        auto* editor = label->getCurrentTextEditor();
        ASSERT_NE (editor, nullptr);
        editor->setText (text, true);
        editor->keyPressed (juce::KeyPress (juce::KeyPress::returnKey));
        pump (50);
    }

    std::unique_ptr<MainContentComponent> board;
    vtest::ScriptedAnswerer answers;
};
} // namespace

TEST_F (PartiesFromTheBoard, ANewPartyWithItsKindsPostOfficeAndAccount)
{
    const int index = boardIndex ("Stranke");
    ASSERT_GE (index, 0);
    ASSERT_TRUE (board->getButton (index)->isEnabled());
    board->getButton (index)->triggerClick();
    pump (100);
    auto* registerWindow = dynamic_cast<VindorWindow*> (board->getOpenWindow (index));
    ASSERT_NE (registerWindow, nullptr);
    EXPECT_EQ (registerWindow->getTitle(), "PregledStrank");
    EXPECT_EQ (buttonsOf (registerWindow), juce::StringArray ({ "Close", "Export", "Edit", "Delete", "Insert" }));
    auto* parties = contentOf<PregledBazeStranka> (registerWindow);
    ASSERT_NE (parties, nullptr);
    EXPECT_EQ (parties->getMask(), 31);
    EXPECT_TRUE (parties->isEditable());

    press (registerWindow, "Insert");
    auto* editorWindow = dynamic_cast<VindorWindow*> (parties->getInsertWindow());
    ASSERT_NE (editorWindow, nullptr);
    EXPECT_EQ (editorWindow->getTitle(), "Dodaj Stranko");
    EXPECT_EQ (buttonsOf (editorWindow), juce::StringArray ({ "Cancel", "Ajpes", "Save" }));
    auto* editor = contentOf<AddStranka> (editorWindow);
    ASSERT_NE (editor, nullptr);
    editorWindow->setSize (800, 900);
    pump (100);

    type (*editor, "stranka_ime", "Vinarstvo Breg");
    type (*editor, "stranka_ulica", "Bregova ulica");
    type (*editor, "stranka_hisnast", "7");
    type (*editor, "stranka_davcna", "12345678");
    EXPECT_EQ (editor->field ("ime").toString(), "Vinarstvo Breg");

    // the post office from its chooser sets the post code too
    auto* postOffice = rowCaptioned<PostaValButton> (*editor, "stranka_postaime");
    ASSERT_NE (postOffice, nullptr);
    clickButtonOf (*postOffice);
    auto* offices = contentOf<PregledBazePosta> (childOf (*postOffice));
    ASSERT_NE (offices, nullptr);
    childOf (*postOffice)->setSize (600, 600);
    pump();
    clickRow (*offices, columnOf (*offices, "ime").indexOf ("Maribor - dostava"));
    EXPECT_EQ (editor->field ("postaime").toString(), "Maribor - dostava");
    EXPECT_EQ (editor->field ("postnast").toString(), "2000");

    // "Tip stranke" opened by its title; a grower and a supplier besides the register's kinds
    auto* kinds = editor->getPanel().getTitledSection (0);
    ASSERT_NE (kinds, nullptr);
    const auto title = wtest::mouseAt (*kinds, 20, 5);
    kinds->mouseUp (title);
    pump();
    EXPECT_TRUE (kinds->isSectionOpen());
    for (auto* caption : { "tipstranke0", "tipstranke2", "tipstranke4" })
    {
        auto* toggle = rowCaptioned<juce::BooleanPropertyComponent> (*editor, caption);
        ASSERT_NE (toggle, nullptr) << caption;
        clickButtonOf (*toggle);   // the register of every kind starts with all on: these go off
    }

    // an account through the picker: choosing, Editing, Insert, typed, Save
    auto* picker = editor->getIbanButton();
    clickButtonOf (*picker);
    press (childOf (*picker), "Editing");
    auto* accounts = contentOf<PregledBazeIBAN> (childOf (*picker));
    ASSERT_NE (accounts, nullptr);
    press (childOf (*picker), "Insert");
    auto* accountWindow = childOf (*accounts);
    ASSERT_NE (accountWindow, nullptr);
    auto* account = contentOf<IBANEditor> (accountWindow);
    ASSERT_NE (account, nullptr);
    type (*account, "iban_iban", "si56 0510 0801 2345 678");
    type (*account, "iban_swift", "ABANSI2X");
    press (accountWindow, "Save");
    EXPECT_EQ (firstButtonIn (*picker)->getButtonText(), "SI56 0510 0801 2345 678");
    EXPECT_EQ (childOf (*picker), nullptr);

    editor->getPanel().resized();
    pump (100);
    ASSERT_TRUE (wtest::writePng (wtest::snapshot (*editorWindow), "/tmp/vindoro-shots/party-editor-new.png"));

    answers.then (1);   // "fix tax number SI12345678": Yes
    press (editorWindow, "Save");
    ASSERT_EQ (answers.asked.size(), 1u);
    EXPECT_EQ (answers.asked[0].message, "fix tax number SI12345678");

    const auto id = value ("SELECT id FROM stranka WHERE ime='Vinarstvo Breg'");
    ASSERT_TRUE (id.isNotEmpty());
    EXPECT_EQ (value ("SELECT dolgoime || '|' || ulica || '|' || hisnast || '|' || postnast || '|' || postaime || '|' || davcna || '|' "
                      "|| tipdavka || '|' || tipstranke || '|' || drzava FROM stranka WHERE id=" + id),
               "Vinarstvo Breg|Bregova ulica|7|2000|Maribor - dostava|SI12345678|1|10|185");
    EXPECT_EQ (value ("SELECT iban.iban || '|' || iban.stranka || '|' || banka.swift FROM stranka JOIN iban ON iban.id=stranka.iban "
                      "JOIN banka ON banka.id=iban.banka WHERE stranka.id=" + id),
               "SI56051008012345678|" + id + "|ABANSI2X");

    pump (100);
    EXPECT_EQ (parties->getInsertWindow(), nullptr);
    ASSERT_NE (parties->getSelectedRow(), nullptr);
    EXPECT_EQ (parties->getSelectedRow()->getStringAttribute ("id"), id);
    EXPECT_EQ (parties->getSelectedRow()->getStringAttribute ("IBAN"), "SI56051008012345678");
}
