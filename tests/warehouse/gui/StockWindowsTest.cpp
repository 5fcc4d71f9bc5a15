// The stock window and the goods-received window driven through their window buttons on a real
// database under Xvfb, with the questions answered by script: entries taken off the plan (only
// empty ones, judged in the database), the entry handed to the invoice that opened the
// goods-received window, and the warehouse dialog's consignment toggle and party button.
#include "frame/VindorWindow.h"
#include "partners/gui/StrankaButtonPropertyComponent.h"
#include "reports/DDV.h"
#include "support/ScriptedAnswerer.h"
#include "support/WindowTestParts.h"
#include "warehouse/gui/Artikel.h"
#include "warehouse/gui/PlanFixture.h"
#include "warehouse/gui/Skladisce.h"
#include "warehouse/gui/SkladisceAddArtikelPrejeti.h"
#include "warehouse/gui/SkladisceEdit.h"
#include "warehouse/gui/SkladisceEditor.h"
#include "warehouse/gui/SkladiscePrejeti.h"

#include <gtest/gtest.h>

using namespace plantest;
using wtest::pump;

namespace
{
class StockWindows : public PlanDb
{
protected:
    void SetUp() override
    {
        PlanDb::SetUp();
        settings().setValue (SkladisceGUI::kIdKey, kGlavno);
    }
    void TearDown() override
    {
        wtest::closeOpenWindows();
        delete DDV::getInstanceWithoutCreating();
    }

    /** Opens the window as its opener does, with these window buttons, and waits for its plan. */
    template <typename Window>
    Window* open (KWindow* (*launch) (const juce::String&, juce::Component*, juce::Component*), const juce::String& title,
                  std::initializer_list<std::pair<const char*, int>> buttons)
    {
        opener.clearButtons();
        for (const auto& [caption, code] : buttons)
            opener.addButton (caption, code);
        window = dynamic_cast<VindorWindow*> (launch (title, nullptr, &opener));
        pump (150);
        return window != nullptr ? dynamic_cast<Window*> (window->getAction()) : nullptr;
    }

    void press (VindorWindow& w, const juce::String& caption)
    {
        auto* button = wtest::windowButton (w, caption);
        ASSERT_NE (button, nullptr) << caption;
        button->triggerClick();
        pump (150);
    }

    static Artikel* tileOf (SkladisceGUI& plan, int hrambaId)
    {
        if (auto* canvas = plan.getCanvas())
            for (auto* tile : canvas->getArtikli())
                if (tile->getHramba().id == hrambaId)
                    return tile;
        return nullptr;
    }

    static void makeCurrent (Artikel& tile)
    {
        tile.mouseDown (wtest::mouseAt (tile, 20, 20));
        pump (100);
    }

    wtest::RecordingOpener opener;
    VindorWindow* window = nullptr;
    vtest::ScriptedAnswerer answers;
};

const std::initializer_list<std::pair<const char*, int>> kBoardButtons = {
    { "Close", ButtonCode::cancel }, { "Refresh", ButtonCode::refresh }, { "Edit", ButtonCode::edit },
    { "Delete", ButtonCode::remove }, { "Insert", ButtonCode::insert } };
} // namespace

TEST_F (StockWindows, DeleteTakesOnlyAnEntryThatIsEmptyInTheDatabase)
{
    struct Case
    {
        const char* what;
        int onTile;        // the count when the plan was drawn
        int inDatabase;    // the count when Delete is pressed
        int answer;        // to the question (1 OK, 0 Cancel); -1 when none is expected
        bool withdrawn;
    };
    const Case cases[] = {
        { "empty, OK", 0, 0, 1, true },
        { "empty, Cancel", 0, 0, 0, false },
        { "full", 3, 3, -1, false },
        { "stock arrived since the plan was drawn", 0, 5, 1, false },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        const int other = addEntry (kGlavno, kKarton, 2, 0, 0);
        const int id = addEntry (kGlavno, kZamasek, c.onTile, 110, 0);
        auto* editor = open<SkladisceEditor> (launchSkladisceEditor, "Zaloge", kBoardButtons);
        ASSERT_NE (editor, nullptr);
        auto* tile = tileOf (*editor, id);
        ASSERT_NE (tile, nullptr);
        makeCurrent (*tile);
        run ("UPDATE hramba SET stevilo=" + juce::String (c.inDatabase) + " WHERE id=" + juce::String (id));

        vtest::ScriptedAnswerer script;   // no answer left over from the case before
        if (c.answer >= 0)
            script.then (c.answer);
        script.then (1);   // the message that refuses
        press (*window, "Delete");
        pump (100);

        const bool asked = ! script.asked.empty() && script.asked.front().message.startsWith ("Zelis izbrisati artikel");
        EXPECT_EQ (asked, c.answer >= 0);
        if (asked)
            EXPECT_EQ (script.asked.front().message, "Zelis izbrisati artikel Zamasek izbrisati v skladiscu Glavno?");
        const bool refused = ! script.asked.empty() && script.asked.back().message == "artikel se polna ne brisem";
        EXPECT_EQ (refused, ! c.withdrawn && c.answer != 0);
        EXPECT_EQ (storedInt ("SELECT active FROM hramba WHERE id=" + juce::String (id)), c.withdrawn ? 0 : 1);
        EXPECT_EQ (storedInt ("SELECT active FROM hramba WHERE id=" + juce::String (other)), 1);
        EXPECT_EQ (window->isOnDesktop(), true);   // the window stays in every case
        ASSERT_NE (editor->getCanvas(), nullptr);
        EXPECT_EQ (tileOf (*editor, id) != nullptr, ! c.withdrawn);
        EXPECT_NE (tileOf (*editor, other), nullptr);

        wtest::closeOpenWindows();
        run ("UPDATE hramba SET active=0");
    }
}

TEST_F (StockWindows, TheGoodsReceivedWindowHandsOverTheSavedEntryWithoutATile)
{
    settings().setValue (SkladisceGUI::kIdKey, kPrazno);
    auto* received = open<SkladiscePrejeti> (launchSkladiscePrejeti, "DodajDrugo",
                                             { { "Close", ButtonCode::cancel }, { "Insert", ButtonCode::insert }, { "Select", ButtonCode::select } });
    ASSERT_NE (received, nullptr);
    ASSERT_NE (received->getCanvas(), nullptr);
    EXPECT_EQ (received->getSkladisce().id, kPrazno);
    EXPECT_EQ (received->getHramba().id, 0);
    EXPECT_EQ (received->getHramba().artikel.id, 0);

    press (*window, "Insert");
    auto* dialogWindow = dynamic_cast<VindorWindow*> (received->getChildWindow());
    ASSERT_NE (dialogWindow, nullptr);
    EXPECT_EQ (dialogWindow->getTitle(), "Dodaj artikel");
    auto* dialog = dynamic_cast<SkladisceAddArtikelPrejeti*> (dialogWindow->getAction());
    ASSERT_NE (dialog, nullptr);
    EXPECT_EQ ((int) dialog->getSkladisceValue().getValue(), kPrazno);

    // Refresh while the dialog is open does nothing: the plan is not rebuilt and the dialog stays.
    const juce::Component::SafePointer<juce::Component> plan (received->getCanvas());
    EXPECT_TRUE (received->buttonAction (ButtonCode::refresh));
    pump (100);
    EXPECT_EQ (plan.getComponent(), received->getCanvas());
    EXPECT_EQ (received->getChildWindow(), dialogWindow);
    EXPECT_TRUE (opener.answers.empty());

    dialog->getImeValue() = "Folija";
    dialog->getTipValue() = 3;
    press (*dialogWindow, "Save");
    pump (150);
    EXPECT_EQ (received->getChildWindow(), nullptr);
    ASSERT_EQ (opener.answers.size(), 1u);
    EXPECT_EQ (opener.answers[0].exitValue, ButtonCode::select);
    const auto entry = received->getHramba();
    EXPECT_EQ (entry.artikel.ime, "Folija");
    EXPECT_GT (entry.artikel.id, 0);
    EXPECT_EQ (storedInt ("SELECT COUNT(*) FROM artikel WHERE ime='Folija' AND id=" + juce::String (entry.artikel.id)), 1);
    // The plan is left as it was: the new entry has no tile to pick.
    EXPECT_EQ (plan.getComponent(), received->getCanvas());
    EXPECT_TRUE (received->getCanvas()->getArtikli().isEmpty());
    EXPECT_EQ (received->getCanvas()->getCurrent(), nullptr);
}

TEST_F (StockWindows, TheGoodsReceivedWindowPicksOnlyACurrentTile)
{
    settings().setValue (SkladisceGUI::kIdKey, kPrazno);
    auto* received = open<SkladiscePrejeti> (launchSkladiscePrejeti, "DodajDrugo",
                                             { { "Close", ButtonCode::cancel }, { "Insert", ButtonCode::insert }, { "Select", ButtonCode::select } });
    ASSERT_NE (received, nullptr);

    // No current tile: refused, the invoice is not told.
    answers.then (1);   // "Error occured: …": go back and fix
    press (*window, "Select");
    ASSERT_FALSE (answers.asked.empty());
    EXPECT_TRUE (answers.asked.back().message.contains ("Artikel ni izbran")) << answers.asked.back().message;
    EXPECT_TRUE (opener.answers.empty());
    EXPECT_TRUE (window->isOnDesktop());

    const int id = addEntry (kGlavno, kKarton, 6, 0, 0);
    received->getCombo().setSelectedId (kGlavno + 1, juce::sendNotificationSync);
    auto* tile = tileOf (*received, id);
    ASSERT_NE (tile, nullptr);
    makeCurrent (*tile);
    press (*window, "Select");
    ASSERT_EQ (opener.answers.size(), 1u);
    EXPECT_EQ (opener.answers[0].exitValue, ButtonCode::select);
    EXPECT_EQ (received->getHramba().id, id);
    EXPECT_EQ (received->getHramba().stevilo, 6);
}

TEST_F (StockWindows, TheWarehouseDialogsToggleFollowsItsParty)
{
    run ("INSERT INTO skladisce(id,ime,konsig,active) VALUES (4,'Stara',0,1)");
    struct Case
    {
        int skladisce, konsig;
        const char* partyName;
        bool toggled;
    };
    const Case cases[] = { { 4, 0, "", false }, { kGlavno, 1, "", false }, { kDrugo, 7, "Komisionar", true } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.skladisce);
        opener.clearButtons();
        opener.addButton ("Cancel", ButtonCode::cancel);
        opener.addButton ("Save", ButtonCode::ok);
        auto* dialog = new SkladisceEdit();
        SkladisceRecord record;
        record.id = c.skladisce;
        record.ime = "Ime";
        record.konsig.id = c.konsig;
        record.konsig.ime = c.partyName;
        dialog->setSkladisce (record);
        auto* w = VindorWindow::launchNormal ("Uredi skladisce", dialog, nullptr, &opener);
        pump (100);
        auto* toggle = wtest::findChild<juce::ToggleButton> (*dialog);
        ASSERT_NE (toggle, nullptr);
        EXPECT_EQ (toggle->getToggleState(), c.toggled);
        EXPECT_EQ (dialog->getStrankaButton()->isEnabled(), c.toggled);
        if (c.toggled)
            EXPECT_EQ (dialog->getStrankaButton()->getButtonText(), "Komisionar");
        w->closeKW();
        pump (50);
    }

    // A new warehouse: the toggle on without a party is refused.
    opener.clearButtons();
    opener.addButton ("Cancel", ButtonCode::cancel);
    opener.addButton ("Save", ButtonCode::ok);
    window = dynamic_cast<VindorWindow*> (launchSkladisceAdd ("Dodaj skladisce", nullptr, &opener));
    pump (100);
    auto* dialog = dynamic_cast<SkladisceAdd*> (window->getAction());
    ASSERT_NE (dialog, nullptr);
    auto* toggle = wtest::findChild<juce::ToggleButton> (*dialog);
    ASSERT_NE (toggle, nullptr);
    EXPECT_FALSE (dialog->getStrankaButton()->isEnabled());
    dialog->getImeValue() = "Komisija";
    toggle->triggerClick();
    pump (30);
    EXPECT_TRUE (toggle->getToggleState());
    EXPECT_TRUE (dialog->getStrankaButton()->isEnabled());
    answers.then (1);   // go back and fix
    press (*window, "Save");
    ASSERT_FALSE (answers.asked.empty());
    EXPECT_TRUE (answers.asked.back().message.contains ("Izberite stranko konsignacije")) << answers.asked.back().message;
    EXPECT_EQ (storedInt ("SELECT COUNT(*) FROM skladisce WHERE ime='Komisija'"), 0);
    EXPECT_TRUE (opener.answers.empty());

    // Party 1 is the own company: the toggle goes off and the warehouse is saved as an own one.
    StrankaRecord own;
    own.id = 1;
    own.ime = "Vinarstvo";
    dialog->setStrankaIDN (own, 1);
    pump (30);
    EXPECT_FALSE (toggle->getToggleState());
    EXPECT_FALSE (dialog->getStrankaButton()->isEnabled());
    press (*window, "Save");
    EXPECT_EQ (storedInt ("SELECT konsig FROM skladisce WHERE ime='Komisija' AND active=1"), 1);
    ASSERT_EQ (opener.answers.size(), 1u);
    EXPECT_EQ (opener.answers[0].exitValue, ButtonCode::ok);
}
