// The browser on screen (Xvfb): sorted by its header, a cell edited by typing and saved, and
// pictures of the row tints and the overlay box for a person to look at.
#include "support/BrowserTestParts.h"
#include "support/WidgetTestSupport.h"

using namespace btest;

namespace
{
void typeInto (juce::TextEditor& editor, const juce::String& text)
{
    for (auto c : text)
        editor.keyPressed (juce::KeyPress (c, 0, c));
}

void savePicture (juce::Component& c, const juce::String& name)
{
    wtest::writePng (wtest::snapshot (c), "/tmp/" + name);
}
} // namespace

TEST_F (BrowserDatabase, OnScreenSortEditAndSave)
{
    addRows (300);
    TestBrowser b (kQuery, true);
    b.setSize (900, 480);
    juce::DocumentWindow window ("pregled", juce::Colours::white, 0);
    window.setContentNonOwned (&b, true);
    window.setVisible (true);
    pump (100);
    ASSERT_EQ (b.getNumRows(), 300);
    EXPECT_EQ (b.rowAt (0)->getStringAttribute ("ime"), "R001");

    b.getTable().getHeader().setSortColumnId (3, false); // as a click on "znesek" does
    pump (100);
    EXPECT_EQ (b.rowAt (0)->getStringAttribute ("ime"), "R300");
    EXPECT_EQ (b.rowAt (299)->getStringAttribute ("ime"), "R001");

    ASSERT_TRUE (b.showEditor (0, 4));
    auto* label = dynamic_cast<juce::Label*> (b.getTable().getCellComponent (4, 0));
    ASSERT_NE (label, nullptr);
    auto* editor = label->getCurrentTextEditor();
    ASSERT_NE (editor, nullptr);
    editor->selectAll();
    typeInto (*editor, "42");
    editor->keyPressed (juce::KeyPress (juce::KeyPress::returnKey));
    pump (100);
    EXPECT_FALSE (label->isBeingEdited());
    EXPECT_EQ (b.rowAt (0)->getStringAttribute ("kolicina"), "42");
    EXPECT_TRUE (b.rowAt (0)->getBoolAttribute ("modified"));

    EXPECT_TRUE (b.buttonAction (4));
    SQLtoXml q;
    EXPECT_EQ (q.sqlQueryString ("SELECT kolicina FROM pbtest WHERE ime='R300'"), "42");
    window.clearContentComponent();
}

TEST_F (BrowserDatabase, PictureOfTintsAndOverlay)
{
    addRows (12);
    TestBrowser b (kQuery, true);
    b.setSearchColumn ("ime");
    b.setSize (700, 360);
    juce::DocumentWindow window ("pregled", juce::Colours::white, 0);
    window.setContentNonOwned (&b, true);
    window.setVisible (true);
    pump (100);

    b.rowAt (1)->setAttribute ("inserted", "1");
    b.rowAt (2)->setAttribute ("modified", "1");
    b.rowAt (3)->setAttribute ("deleted", "1");
    b.rowAt (4)->setAttribute ("modified", "1");
    SQLtoXml::setBkgColour (b.rowAt (6), juce::Colour (0xFF008000).withAlpha (0.2f));
    for (auto c : juce::String ("R00"))
        b.keyPressed (juce::KeyPress (c, 0, c));
    b.getTable().selectRow (4, false, true); // selected and modified: light blue under a blue tint
    b.updateTableContent();
    pump (100);
    savePicture (b, "browser-tints.png");

    TestBrowser empty ("SELECT id, ime FROM pbtest WHERE 0", false);
    empty.setSize (400, 200);
    savePicture (empty, "browser-empty.png");
    EXPECT_EQ (empty.getNumRows(), 0);
    window.clearContentComponent();
}
