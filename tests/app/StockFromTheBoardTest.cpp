// The stock window kept from the main board the way a person does it, under a real X server:
// "Zaloga", a warehouse added, an article added by typing and its tile on the plan, its count
// changed, a full entry refused on delete and an emptied one taken off. A picture of the window
// is written for a look by eye.
#include "app/BoardWindows.h"
#include "app/MainContentComponent.h"
#include "cellar/gui/CellarTestParts.h"
#include "warehouse/gui/Artikel.h"
#include "warehouse/gui/Skladisce.h"
#include "warehouse/gui/SkladisceAdd.h"
#include "warehouse/gui/SkladisceAddArtikel.h"
#include "warehouse/gui/SkladisceEditor.h"
#include "support/BoardWiring.h"

using namespace celltest;

namespace
{
constexpr int kStockBoardCode = 6;

class StockFromTheBoard : public CellarWindowFixture
{
protected:
    void SetUp() override
    {
        CellarWindowFixture::SetUp();
        board = wtest::openWiredBoard();
    }

    void TearDown() override
    {
        wtest::closeWiredBoard (board);
        CellarWindowFixture::TearDown();
    }

    SkladisceEditor* openFromBoard()
    {
        window = wtest::openFromBoard (*board, "Zaloga", 200);
        return window != nullptr ? dynamic_cast<SkladisceEditor*> (window->getAction()) : nullptr;
    }

    void press (VindorWindow& w, const juce::String& caption)
    {
        auto* button = wtest::windowButton (w, caption);
        ASSERT_NE (button, nullptr) << caption;
        button->triggerClick();
        wtest::pump (150);
    }

    VindorWindow* child (SkladisceEditor& editor) { return dynamic_cast<VindorWindow*> (editor.getChildWindow()); }

    std::unique_ptr<MainContentComponent> board;
    VindorWindow* window = nullptr;
    vtest::ScriptedAnswerer answers;
};
} // namespace

TEST_F (StockFromTheBoard, AWarehouseAndAnArticleKeptFromTheBoard)
{
    auto* editor = openFromBoard();
    ASSERT_NE (editor, nullptr);
    EXPECT_EQ (window->getTitle(), "Zaloge");
    EXPECT_EQ (wtest::windowButton (*window, "PrenosButton"), nullptr);

    // A new warehouse becomes the shown one.
    editor->getButton (2)->triggerClick();
    wtest::pump (100);
    auto* dialogWindow = child (*editor);
    ASSERT_NE (dialogWindow, nullptr);
    dynamic_cast<SkladisceAdd*> (dialogWindow->getAction())->getImeValue() = "  Polnilnica ";
    press (*dialogWindow, "Save");
    wtest::pump (200);
    const int warehouse = value ("SELECT id FROM skladisce WHERE ime='Polnilnica'").getIntValue();
    ASSERT_GT (warehouse, 0);
    ASSERT_NE (editor->getCanvas(), nullptr);
    EXPECT_EQ (editor->getSkladisce().id, warehouse);
    EXPECT_EQ (editor->getCanvas()->getArtikli().size(), 0);

    // Refresh with a dialog open does nothing; the dialog stays.
    press (*window, "Insert");
    dialogWindow = child (*editor);
    ASSERT_NE (dialogWindow, nullptr);
    EXPECT_EQ (dialogWindow->getTitle(), "Dodaj artikel");
    press (*window, "Refresh");
    EXPECT_EQ (child (*editor), dialogWindow);

    auto* dialog = dynamic_cast<SkladisceAddArtikel*> (dialogWindow->getAction());
    ASSERT_NE (dialog, nullptr);
    dialog->getImeValue() = "Zamasek";
    dialog->getTipValue() = 3;
    dialog->getKolicinaValue() = "12.7";
    wtest::pump (50);
    EXPECT_EQ (dialog->getKolicinaValue().toString(), "12");
    dialog->getCenaValue() = "0.40";
    press (*dialogWindow, "Save");
    wtest::pump (250);
    EXPECT_EQ (child (*editor), nullptr);
    ASSERT_EQ (editor->getCanvas()->getArtikli().size(), 1);
    EXPECT_EQ (rows ("SELECT CAST(stevilo AS INTEGER) FROM hramba WHERE skladisce=" + juce::String (warehouse)), juce::StringArray ("12"));

    // A full entry is not deleted.
    ASSERT_NE (editor->getCanvas()->getCurrent(), nullptr);
    answers.then (1);
    press (*window, "Delete");
    ASSERT_FALSE (answers.asked.empty());
    EXPECT_EQ (answers.asked.back().message, "artikel se polna ne brisem");
    EXPECT_EQ (value ("SELECT active FROM hramba WHERE skladisce=" + juce::String (warehouse)), "1");

    // The count lowered to 0 through the edit dialog is booked as a write-off.
    press (*window, "Edit");
    dialogWindow = child (*editor);
    ASSERT_NE (dialogWindow, nullptr);
    dialog = dynamic_cast<SkladisceAddArtikel*> (dialogWindow->getAction());
    ASSERT_NE (dialog, nullptr);
    EXPECT_EQ (dialog->getKolicinaValue().toString(), "12");
    dialog->getKolicinaValue() = "5";
    press (*dialogWindow, "Save");
    wtest::pump (250);
    EXPECT_EQ (child (*editor), nullptr);
    EXPECT_EQ (rows ("SELECT CAST(stevilo AS INTEGER) FROM hramba WHERE skladisce=" + juce::String (warehouse)), juce::StringArray ("5"));
    EXPECT_EQ (value ("SELECT opravilo FROM glavna ORDER BY id DESC LIMIT 1"), "23");

    window->setSize (760, 520);
    wtest::pump (200);
    const auto image = window->createComponentSnapshot (window->getLocalBounds(), true, 1.0f);
    const auto path = juce::File::getSpecialLocation (juce::File::tempDirectory).getChildFile ("vindoro-stock-window.png").getFullPathName();
    ASSERT_TRUE (wtest::writePng (image, path));
}
