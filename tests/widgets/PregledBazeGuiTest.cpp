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

// Row states are tints laid over the row's own colour, the selection under them; the search text
// sits in a box of the window colour at four fifths, centred on the browser. Known pixels of a
// picture of the browser prove each colour; the pictures stay in /tmp for a person to look at.
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
    b.getTable().selectRow (4, false, true); // selected and modified: light blue under a blue tint
    b.updateTableContent();
    pump (100);
    const auto plain = b.createComponentSnapshot (b.getLocalBounds());

    for (auto c : juce::String ("R00"))
        b.keyPressed (juce::KeyPress (c, 0, c));
    b.getTable().selectRow (4, false, true); // the search selected its matches; back to the same rows
    pump (100);
    const auto searched = b.createComponentSnapshot (b.getLocalBounds());
    savePicture (b, "browser-tints.png");

    // The top pixel line of each row, in the middle of the name cell: no text reaches it.
    auto rowPixel = [&] (const juce::Image& image, int row) {
        const auto cell = b.getTable().getCellPosition (2, row, true);
        const auto p = b.getLocalPoint (&b.getTable(), juce::Point<int> (cell.getCentreX(), cell.getY() + 1));
        return image.getPixelAt (p.x, p.y);
    };
    auto near = [] (juce::Colour a, juce::Colour e) {
        return std::abs (a.getRed() - e.getRed()) <= 2 && std::abs (a.getGreen() - e.getGreen()) <= 2
               && std::abs (a.getBlue() - e.getBlue()) <= 2;
    };
    const auto base = rowPixel (plain, 0);
    const auto green = juce::Colour (0xFF008000).withAlpha (0.2f);
    struct Case { int row; juce::Colour expected; };
    const Case cases[] = {
        { 5, base },
        { 1, base.overlaidWith (green) },                                            // inserted
        { 2, base.overlaidWith (juce::Colour (0xFF0000FF).withAlpha (0.2f)) },       // modified
        { 3, base.overlaidWith (juce::Colour (0xFFFF0000).withAlpha (0.2f)) },       // deleted
        { 4, juce::Colour (0xFFADD8E6).overlaidWith (juce::Colour (0xFF0000FF).withAlpha (0.2f)) },
        { 6, base.overlaidWith (green) },                                            // its own colour
    };
    for (const auto& c : cases)
        EXPECT_TRUE (near (rowPixel (plain, c.row), c.expected))
            << "row " << c.row << ": " << rowPixel (plain, c.row).toDisplayString (false) << " instead of "
            << c.expected.toDisplayString (false);

    // Where the two pictures differ is the search box: centred, and filled with the window colour
    // at four fifths over what lies beneath it.
    juce::Rectangle<int> changed;
    for (int y = 0; y < plain.getHeight(); ++y)
        for (int x = 0; x < plain.getWidth(); ++x)
            if (plain.getPixelAt (x, y) != searched.getPixelAt (x, y))
                changed = changed.isEmpty() ? juce::Rectangle<int> (x, y, 1, 1) : changed.getUnion ({ x, y, 1, 1 });
    ASSERT_FALSE (changed.isEmpty());
    EXPECT_LE (std::abs (changed.getCentreX() - b.getLocalBounds().getCentreX()), 2) << changed.toString();
    EXPECT_LE (std::abs (changed.getCentreY() - b.getLocalBounds().getCentreY()), 2) << changed.toString();
    EXPECT_LT (changed.getWidth(), b.getWidth() / 2);
    const auto background = b.getLookAndFeel().findColour (juce::ResizableWindow::backgroundColourId);
    const juce::Point<int> inBox (changed.getX() + 6, changed.getCentreY());
    const auto under = plain.getPixelAt (inBox.x, inBox.y);
    EXPECT_TRUE (near (searched.getPixelAt (inBox.x, inBox.y), under.overlaidWith (background.withAlpha (0.8f))))
        << searched.getPixelAt (inBox.x, inBox.y).toDisplayString (false);

    TestBrowser empty ("SELECT id, ime FROM pbtest WHERE 0", false);
    empty.setSize (400, 200);
    savePicture (empty, "browser-empty.png");
    EXPECT_EQ (empty.getNumRows(), 0);
    window.clearContentComponent();
}
