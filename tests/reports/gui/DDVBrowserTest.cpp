// The rate browser and editor on screen (Xvfb), driven by clicks and keys from the settings
// button: sorted by rate with kinds by name, insert and edit through the editor with its refusal
// shown and the window kept open, deletion, the picker's Select answers, and pictures to look at.
#include "frame/KWManager.h"
#include "frame/VindorWindow.h"
#include "reports/DDVTestParts.h"
#include "reports/gui/DDVEditor.h"
#include "reports/gui/DDVTableButtonPropertyComponent.h"
#include "reports/gui/PregledBazeDDV.h"
#include "support/ScriptedAnswerer.h"
#include "support/WidgetTestSupport.h"
#include "support/WindowTestParts.h"
#include "widgets/VindorChoicePropertyComponent.h"
#include "widgets/VindorPropertyPanel.h"
#include "widgets/VindorTextPropertyComponent.h"

using namespace ddvtest;
using wtest::pump;

namespace
{
template <typename T>
void collect (juce::Component& c, juce::Array<T*>& found)
{
    for (auto* child : c.getChildren())
    {
        if (auto* hit = dynamic_cast<T*> (child))
            found.add (hit);
        collect (*child, found);
    }
}

template <typename T>
T* findFirst (juce::Component& c)
{
    juce::Array<T*> found;
    collect (c, found);
    return found.getFirst();
}

VindorWindow* childOf (VindorWindowSetup& opener)
{
    return dynamic_cast<VindorWindow*> (opener.currentChild.get());
}

PregledBazeDDV* browserIn (VindorWindow* window)
{
    return window != nullptr ? dynamic_cast<PregledBazeDDV*> (window->getAction()) : nullptr;
}

DDVEditor* editorIn (VindorWindow* window)
{
    return window != nullptr ? dynamic_cast<DDVEditor*> (window->getAction()) : nullptr;
}

void press (VindorWindow* window, const juce::String& caption)
{
    ASSERT_NE (window, nullptr);
    for (int i = 0; i < 8; ++i)
        if (auto* b = window->getButton (i); b != nullptr && b->getButtonText() == caption)
        {
            b->triggerClick();
            pump (120);
            return;
        }
    FAIL() << "no button " << caption;
}

/** A mouse click (or double click) in the description cell of a browser row. */
void clickRow (PregledBaze& browser, int row, int clicks = 1)
{
    auto& table = browser.getTable();
    table.scrollToEnsureRowIsOnscreen (row);
    auto* rowComponent = table.getComponentForRowNumber (row);
    ASSERT_NE (rowComponent, nullptr) << "row " << row;
    auto& header = table.getHeader();
    const int opis = browser.getColumnIdForAttributeName ("opis");
    const int x = header.getColumnPosition (header.getIndexOfColumnId (opis, true)).getCentreX();
    for (int click = 1; click <= clicks; ++click)
    {
        const auto event = wtest::mouseAt (*rowComponent, x, rowComponent->getHeight() / 2, click);
        rowComponent->mouseDown (event);
        rowComponent->mouseUp (event);
    }
    pump (60);
}

void typeInto (juce::Label& label, const juce::String& text)
{
    label.showEditor();
    auto* editor = label.getCurrentTextEditor();
    ASSERT_NE (editor, nullptr);
    editor->selectAll();
    for (auto c : text)
        editor->keyPressed (juce::KeyPress ((int) c, 0, c));
    editor->keyPressed (juce::KeyPress (juce::KeyPress::returnKey));
    pump();
}

/** The editor's rows as a person meets them: description, rate, kind. */
struct EditorRows
{
    explicit EditorRows (DDVEditor& editor)
    {
        juce::Array<VindorTextPropertyComponent*> texts;
        collect (editor.getPanel(), texts);
        for (auto* row : texts)
        {
            if (row->getName() == "Opis")
                opis = findFirst<juce::Label> (*row);
            else if (row->getName() == "Stopnja")
                stopnja = findFirst<juce::Label> (*row);
        }
        if (auto* choice = findFirst<VindorChoicePropertyComponent> (editor.getPanel()))
            kind = findFirst<juce::ComboBox> (*choice);
    }
    /** Chooses a kind as the combo's list offers it (kinds 0 to 6 in order). */
    void chooseKind (int k) { kind->setSelectedItemIndex (k, juce::sendNotificationSync); pump(); }

    juce::Label* opis = nullptr;
    juce::Label* stopnja = nullptr;
    juce::ComboBox* kind = nullptr;
};

juce::StringArray columnTexts (PregledBaze& browser, const char* column)
{
    juce::StringArray texts;
    for (int i = 0; auto* row = browser.rowAt (i); ++i)
    {
        juce::Justification j (juce::Justification::centred);
        texts.add (browser.getTextForCell (row, column, j));
    }
    return texts;
}

int rowNamed (PregledBaze& browser, const juce::String& opis)
{
    for (int i = 0; auto* row = browser.rowAt (i); ++i)
        if (row->getStringAttribute ("opis") == opis)
            return i;
    return -1;
}

class BrowserFixture : public RatesDatabase
{
protected:
    void SetUp() override
    {
        RatesDatabase::SetUp();
        owner.setSize (500, 200);
        button = new DDVTableButtonPropertyComponent (TRANS ("Edit"), TRANS ("ddv_naslov_okna"), "ddv", &owner);
        panel.addProperties ({ button });
        panel.setBounds (owner.getLocalBounds());
        owner.addAndMakeVisible (panel);
    }

    void TearDown() override
    {
        for (int i = 0; i < 20 && KWManager::getInstanceWithoutCreating() != nullptr
                        && KWManager::getInstanceWithoutCreating()->getNumKWindows() > 0; ++i)
        {
            if (auto* w = dynamic_cast<KWindow*> (KWManager::getInstance()->getKWindow (0)))
                w->closeKW();
            pump();
        }
        pump();
        RatesDatabase::TearDown();
    }

    static int openWindows()
    {
        auto* manager = KWManager::getInstanceWithoutCreating();
        return manager != nullptr ? manager->getNumKWindows() : 0;
    }

    /** Clicks the settings button and returns the browser window it opened. */
    VindorWindow* openFromButton()
    {
        auto* text = findFirst<juce::TextButton> (*button);
        if (text == nullptr)
            return nullptr;
        text->triggerClick();
        pump (150);
        return childOf (*button);
    }

    vtest::ScriptedAnswerer answerer;
    juce::Component owner;
    VindorPropertyPanel panel;
    DDVTableButtonPropertyComponent* button = nullptr;   // owned by the panel
};
} // namespace

TEST_F (BrowserFixture, ButtonOpensTheEditableBrowserSortedByRateWithKindsByName)
{
    vtest::LogCapture log;
    EXPECT_EQ (button->getButtonText(), "Stopnje DDV");
    auto* window = openFromButton();
    ASSERT_NE (window, nullptr);
    EXPECT_TRUE (log.contains ("<DDVTableButtonPropertyComponent::buttonClicked> tukaj"));
    EXPECT_EQ (window->getTitle(), "Stopnje DDV");
    for (int code : { 0, 3, 5, 6 })
        EXPECT_TRUE (window->hasButton (code)) << code;
    EXPECT_FALSE (window->hasButton (7));
    EXPECT_FALSE (window->hasButton (8));

    auto* browser = browserIn (window);
    ASSERT_NE (browser, nullptr);
    EXPECT_TRUE (browser->isEditable());
    EXPECT_EQ (browser->getQuery(), "SELECT id,opis,stopnja,tip,active FROM ddv WHERE active=1");
    ASSERT_EQ (browser->getNumRows(), 7);
    EXPECT_EQ (columnTexts (*browser, "stopnja"), juce::StringArray ({ "22,00", "9,50", "8,00", "0,00", "0,00", "0,00", "0,00" }));

    auto& header = browser->getTable().getHeader();
    EXPECT_EQ (header.getSortColumnId(), browser->getColumnIdForAttributeName ("stopnja"));
    EXPECT_FALSE (header.isSortedForwards());
    EXPECT_FALSE (header.isColumnVisible (browser->getColumnIdForAttributeName ("id")));
    EXPECT_FALSE (header.isColumnVisible (browser->getColumnIdForAttributeName ("active")));
    EXPECT_EQ (header.getColumnName (browser->getColumnIdForAttributeName ("opis")), "Opis");
    EXPECT_EQ (header.getColumnName (browser->getColumnIdForAttributeName ("tip")), "Tip");

    // The kind column is drawn as the kind's name, exactly as a text cell holding that name is
    // drawn: the first row is the general rate, whose description is the name of its kind.
    const int tip = browser->getColumnIdForAttributeName ("tip");
    const int opis = browser->getColumnIdForAttributeName ("opis");
    ASSERT_EQ (browser->rowAt (0)->getStringAttribute ("opis"), juce::String::fromUTF8 ("Splošna stopnja"));
    ASSERT_EQ (browser->rowAt (0)->getIntAttribute ("tip"), 1);
    auto paint = [&] (int row, int column)
    {
        juce::Image image (juce::Image::RGB, 160, 22, true);
        juce::Graphics g (image);
        g.fillAll (juce::Colours::white);
        browser->paintCell (g, row, column, image.getWidth(), image.getHeight(), false);
        return image;
    };
    auto same = [] (const juce::Image& a, const juce::Image& b)
    {
        for (int y = 0; y < a.getHeight(); ++y)
            for (int x = 0; x < a.getWidth(); ++x)
                if (a.getPixelAt (x, y) != b.getPixelAt (x, y))
                    return false;
        return true;
    };
    const auto kind = paint (0, tip);
    EXPECT_TRUE (same (kind, paint (0, opis)));
    const auto keep = browser->rowAt (0)->getStringAttribute ("opis");
    browser->rowAt (0)->setAttribute ("opis", "1");   // the stored kind, as a plain cell would show it
    EXPECT_FALSE (same (kind, paint (0, opis)));
    browser->rowAt (0)->setAttribute ("opis", keep);

    auto* again = openFromButton();   // a second click only brings the open browser forward
    EXPECT_EQ (again, window);
    EXPECT_EQ (openWindows(), 1);
}

TEST_F (BrowserFixture, InsertAndEditGoThroughTheEditorWhichStaysOpenOnARefusal)
{
    ASSERT_EQ (DDV::getInstance()->getNumRates(), 7);   // the pickers' list, loaded before any change
    auto* window = openFromButton();
    auto* browser = browserIn (window);
    ASSERT_NE (browser, nullptr);

    press (window, "Vnos");
    auto* editorWindow = childOf (*browser);
    ASSERT_NE (editorWindow, nullptr);
    EXPECT_EQ (editorWindow->getTitle(), "Urejanje stopnje DDV");
    auto* editor = editorIn (editorWindow);
    ASSERT_NE (editor, nullptr);
    EXPECT_TRUE (editor->createsNew());
    EXPECT_TRUE (editor->getRecord().isEmpty());
    EXPECT_EQ (editor->getPanel().getBounds(), editor->getLocalBounds());

    press (window, "Vnos");   // one editor at a time
    EXPECT_EQ (childOf (*browser), editorWindow);
    EXPECT_EQ (openWindows(), 2);

    EditorRows rows (*editor);
    ASSERT_NE (rows.opis, nullptr);
    ASSERT_NE (rows.stopnja, nullptr);
    ASSERT_NE (rows.kind, nullptr);
    EXPECT_EQ (rows.kind->getNumItems(), 7);
    EXPECT_EQ (rows.kind->getItemText (0), "Ni izbran");
    EXPECT_EQ (rows.kind->getItemText (6), "Nismo zavezanec za DDV");
    typeInto (*rows.opis, "Nova 'stopnja'");
    typeInto (*rows.stopnja, "9,5");
    rows.chooseKind (2);
    press (editorWindow, "Shrani");

    EXPECT_EQ (childOf (*browser), nullptr);
    for (auto& q : answerer.asked)
        ADD_FAILURE() << q.message;
    ASSERT_EQ (browser->getNumRows(), 8);
    const int added = rowNamed (*browser, "Nova 'stopnja'");
    ASSERT_GE (added, 0);
    juce::Justification j (juce::Justification::centred);
    EXPECT_EQ (browser->getTextForCell (browser->rowAt (added), "stopnja", j), "9,50");
    EXPECT_EQ (peek ("SELECT stopnja || '/' || tip || '/' || active FROM ddv WHERE opis='Nova ''stopnja'''"), "9.5/2/1");
    EXPECT_EQ (columnTexts (*browser, "stopnja")[0], "22,00");   // still highest first

    // Edit: a click picks the row, Edit opens it filled in; kind 0 is refused and the window stays.
    clickRow (*browser, rowNamed (*browser, "Nova 'stopnja'"));
    press (window, "Urejanje");
    editorWindow = childOf (*browser);
    editor = editorIn (editorWindow);
    ASSERT_NE (editor, nullptr);
    EXPECT_FALSE (editor->createsNew());
    EXPECT_EQ (editor->opisValue.toString(), "Nova 'stopnja'");
    EXPECT_DOUBLE_EQ ((double) editor->stopnjaValue.getValue(), 9.5);
    EXPECT_EQ ((int) editor->tipValue.getValue(), 2);

    EditorRows editRows (*editor);
    editRows.chooseKind (0);
    answerer.then (1);   // Yes, fix it
    press (editorWindow, "Shrani");
    ASSERT_EQ (answerer.asked.size(), 1u);
    EXPECT_TRUE (answerer.asked[0].message.startsWith (juce::String::fromUTF8 ("Prišlo je do napake: Tip stopnje DDV je napačen")))
        << answerer.asked[0].message;
    EXPECT_EQ (childOf (*browser), editorWindow);
    EXPECT_EQ (editor->opisValue.toString(), "Nova 'stopnja'");   // the input is kept
    EXPECT_EQ (peek ("SELECT tip FROM ddv WHERE opis='Nova ''stopnja'''"), "2");

    editRows.chooseKind (1);
    typeInto (*editRows.stopnja, "9,6");
    press (editorWindow, "Shrani");
    EXPECT_EQ (childOf (*browser), nullptr);
    EXPECT_EQ (peek ("SELECT stopnja || '/' || tip FROM ddv WHERE opis='Nova ''stopnja'''"), "9.6/1");
    EXPECT_EQ (browser->getNumRows(), 8);
    EXPECT_EQ (browser->getTextForCell (browser->rowAt (rowNamed (*browser, "Nova 'stopnja'")), "stopnja", j), "9,60");

    // Insert with a row selected starts from that row and adds a new one.
    const auto highest = peek ("SELECT MAX(id) FROM ddv").getIntValue();
    clickRow (*browser, rowNamed (*browser, juce::String::fromUTF8 ("Splošna stopnja")));
    press (window, "Vnos");
    editor = editorIn (childOf (*browser));
    ASSERT_NE (editor, nullptr);
    EXPECT_TRUE (editor->createsNew());
    EXPECT_EQ (editor->opisValue.toString(), juce::String::fromUTF8 ("Splošna stopnja"));
    EXPECT_DOUBLE_EQ ((double) editor->stopnjaValue.getValue(), 22.0);
    EXPECT_EQ ((int) editor->tipValue.getValue(), 1);
    press (childOf (*browser), "Shrani");
    EXPECT_EQ (peek (juce::String::fromUTF8 ("SELECT COUNT(*) FROM ddv WHERE opis='Splošna stopnja' AND active=1 AND stopnja=22")), "2");
    EXPECT_EQ (peek ("SELECT MAX(id) FROM ddv").getIntValue(), highest + 1);
    EXPECT_EQ (browser->getNumRows(), 9);

    // The browser shows the new rates at once, the pickers' list only in the next run.
    EXPECT_EQ (DDV::getInstance()->getNumRates(), 7);
}

TEST_F (BrowserFixture, DoubleClickEditsAndASecondClickTakesTheRowBack)
{
    auto* window = openFromButton();
    auto* browser = browserIn (window);
    ASSERT_NE (browser, nullptr);

    clickRow (*browser, 1);
    EXPECT_EQ (browser->getSelectedRow(), browser->rowAt (1));
    clickRow (*browser, 1);   // the same row once more: no longer chosen
    EXPECT_EQ (browser->getSelectedRow(), nullptr);
    press (window, "Urejanje");   // Edit without a row does nothing
    EXPECT_EQ (childOf (*browser), nullptr);

    clickRow (*browser, 1, 2);
    auto* editor = editorIn (childOf (*browser));
    ASSERT_NE (editor, nullptr);
    EXPECT_EQ (editor->getRecord().id, browser->rowAt (1)->getIntAttribute ("id"));
    EXPECT_FALSE (editor->createsNew());

    press (childOf (*browser), juce::String::fromUTF8 ("Prekliči"));
    EXPECT_EQ (childOf (*browser), nullptr);
    pump (100);
    EXPECT_EQ (openWindows(), 1);
}

TEST_F (BrowserFixture, DeleteAsksThenSwitchesTheRateOff)
{
    auto* window = openFromButton();
    auto* browser = browserIn (window);
    ASSERT_NE (browser, nullptr);
    const int row = rowNamed (*browser, "Oprostitve");
    ASSERT_GE (row, 0);

    clickRow (*browser, row);
    answerer.then (0);   // Cancel
    press (window, juce::String::fromUTF8 ("Briši"));
    ASSERT_EQ (answerer.asked.size(), 1u);
    EXPECT_TRUE (answerer.asked[0].message.contains ("'Oprostitve'")) << answerer.asked[0].message;
    EXPECT_EQ (peek ("SELECT active FROM ddv WHERE id=12"), "1");
    EXPECT_EQ (browser->getNumRows(), 7);

    answerer.then (1);   // the row is still chosen: now OK
    press (window, juce::String::fromUTF8 ("Briši"));
    EXPECT_EQ (peek ("SELECT active FROM ddv WHERE id=12"), "0");
    EXPECT_EQ (peek ("SELECT COUNT(*) FROM ddv"), "10");   // switched off, not removed
    EXPECT_EQ (browser->getNumRows(), 6);
    EXPECT_EQ (rowNamed (*browser, "Oprostitve"), -1);
}

TEST_F (BrowserFixture, FailedDeletionLeavesTheRowsAsTheyWere)
{
    SQLtoXml q;
    ASSERT_TRUE (q.sqlQueryNA ("CREATE TRIGGER ddv_keep BEFORE UPDATE ON ddv BEGIN SELECT RAISE(ABORT, 'kept'); END"));
    auto* window = openFromButton();
    auto* browser = browserIn (window);
    ASSERT_NE (browser, nullptr);
    clickRow (*browser, 0);
    answerer.then (1);
    press (window, juce::String::fromUTF8 ("Briši"));
    EXPECT_EQ (browser->getNumRows(), 7);
    for (int i = 0; auto* row = browser->rowAt (i); ++i)
        EXPECT_FALSE (SQLtoXml::isDeleted (row)) << i;
    EXPECT_EQ (peek ("SELECT COUNT(*) FROM ddv WHERE active=1"), "7");
}

TEST_F (BrowserFixture, PickerReportsSelectOnEveryClickAndASecondClickClearsTheChoice)
{
    wtest::RecordingOpener opener;
    opener.setSize (300, 200);
    juce::XmlElement* picked = nullptr;
    bool answered = false;
    opener.onAnswer = [&] (KWindow* source)
    {
        answered = true;
        picked = opener.callback_getSelectedRow (source, 0);
    };
    opener.addButton ("Zapri", 0);
    opener.addButton ("Natisni", 8);
    opener.addButton ("Urejanje", 3);
    opener.addButton ("Izberi", 7, false, true);
    auto* browser = new PregledBazeDDV (false);
    opener.currentChild = VindorWindow::launchNormal ("Stopnje DDV", browser, &opener, &opener);
    pump (150);
    ASSERT_FALSE (browser->isEditable());

    clickRow (*browser, 1);
    ASSERT_TRUE (answered);
    ASSERT_EQ (opener.answers.size(), 1u);
    EXPECT_EQ (opener.answers.back().exitValue, 7);
    ASSERT_NE (picked, nullptr);
    EXPECT_EQ (PregledBazeDDV::interpretXml (picked).id, browser->rowAt (1)->getIntAttribute ("id"));
    EXPECT_DOUBLE_EQ (PregledBazeDDV::interpretXml (picked).stopnja, 9.5);

    clickRow (*browser, 1);
    ASSERT_EQ (opener.answers.size(), 2u);
    EXPECT_EQ (opener.answers.back().exitValue, 7);
    EXPECT_EQ (picked, nullptr);

    clickRow (*browser, 0);
    ASSERT_EQ (opener.answers.size(), 3u);
    ASSERT_NE (picked, nullptr);
    EXPECT_DOUBLE_EQ (PregledBazeDDV::interpretXml (picked).stopnja, 22.0);
}

TEST_F (BrowserFixture, SelectBrowserOffersPrintAndSwitchesToEditing)
{
    button->openSelectBrowser();
    pump (150);
    auto* window = childOf (*button);
    ASSERT_NE (window, nullptr);
    EXPECT_EQ (window->getTitle(), "Stopnje DDV");
    auto* browser = browserIn (window);
    ASSERT_NE (browser, nullptr);
    EXPECT_FALSE (browser->isEditable());
    for (int code : { 0, 8, 3, 7 })
        EXPECT_TRUE (window->hasButton (code)) << code;
    EXPECT_EQ (window->getButton (3), nullptr);   // Select has no button of its own

    press (window, "Urejanje");
    auto* editing = childOf (*button);
    ASSERT_NE (editing, nullptr);
    EXPECT_NE (editing, window);
    ASSERT_NE (browserIn (editing), nullptr);
    EXPECT_TRUE (browserIn (editing)->isEditable());
    pump (100);
    EXPECT_EQ (openWindows(), 1);

    press (editing, "Zapri");
    EXPECT_EQ (button->currentChild.get(), nullptr);
}

TEST_F (BrowserFixture, PicturesOfTheBrowserAndTheEditor)
{
    auto* window = openFromButton();
    auto* browser = browserIn (window);
    ASSERT_NE (browser, nullptr);
    window->setSize (640, 360);
    pump (150);
    clickRow (*browser, 2);
    const auto list = wtest::snapshot (*window);
    EXPECT_TRUE (wtest::writePng (list, "/tmp/vat-rates-browser.png"));

    clickRow (*browser, 0, 2);
    auto* editorWindow = childOf (*browser);
    ASSERT_NE (editorWindow, nullptr);
    pump (150);
    const auto editor = wtest::snapshot (*editorWindow);
    EXPECT_TRUE (wtest::writePng (editor, "/tmp/vat-rate-editor.png"));
    EXPECT_GT (editor.getWidth(), 300);
}
