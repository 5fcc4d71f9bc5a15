// The variety picker, the variety register and the variety editor under a real X server, driven by
// clicks and keys, with the register's rows and the stored varieties read back.
#include "cellar/CellarFixture.h"
#include "cellar/SortaListener.h"
#include "cellar/gui/PregledBazeSorta.h"
#include "cellar/gui/SortaButtonPropertyComponent.h"
#include "cellar/gui/SortaEdit.h"
#include "partners/gui/PartnerWindows.h"
#include "support/ScriptedAnswerer.h"
#include "widgets/VindorColorButtonPropertyComponent.h"

using namespace ptest;

namespace
{
juce::String utf8 (const char* text) { return juce::String::fromUTF8 (text); }

/** A form holding two chosen varieties, as the transfer window does. */
class VarietyForm : public juce::Component,
                    public SortaListener
{
public:
    VarietyForm() : SortaListener (2) { setSize (500, 300); }
};

class SortaWindows : public celltest::CellarFixture
{
protected:
    void TearDown() override
    {
        closeAllWindows();
        CellarFixture::TearDown();
    }

    std::unique_ptr<SortaButtonPropertyComponent> picker (int slot = 2)
    {
        auto row = std::make_unique<SortaButtonPropertyComponent> ("Izberi sorto", "Sorta", &form, slot);
        form.addAndMakeVisible (*row);
        row->setBounds (0, 0, 500, row->getPreferredHeight());
        return row;
    }

    /** The register in the picker's window, given room for its rows. */
    PregledBazeSorta* registerOf (SortaButtonPropertyComponent& row)
    {
        auto* window = childOf (row);
        if (window == nullptr)
            return nullptr;
        window->setSize (700, 500);
        pump();
        return contentOf<PregledBazeSorta> (window);
    }

    VarietyForm form;
    vtest::ScriptedAnswerer answers;
    vtest::LogCapture log;
};
} // namespace

TEST_F (SortaWindows, APickedVarietyGoesIntoThePickersSlotOnly)
{
    auto row = picker (2);
    EXPECT_EQ (row->getButtonText(), "Izberi sorto");
    clickButtonOf (*row);
    auto* window = childOf (*row);
    ASSERT_NE (window, nullptr);
    EXPECT_EQ (window->getTitle(), "Sorta");
    EXPECT_EQ (buttonsOf (window), juce::StringArray ({ "Close", "Editing" }));
    auto* browser = registerOf (*row);
    ASSERT_NE (browser, nullptr);
    EXPECT_FALSE (browser->isEditable());
    // Only the active ones, by name.
    ASSERT_TRUE (exec ("INSERT INTO sorta(id,sorta,okrajsano,barva,active,tip) VALUES (9,'Zeleni silvanec','ZS',0,0,1)"));
    browser->reloadData();
    const auto names = columnOf (*browser, "sorta");
    EXPECT_EQ (names.joinIntoString ("|"), utf8 ("Belo|Modra frankinja|Rdeče|Sauvignon"));

    // A second press only brings the open register forward.
    clickButtonOf (*row);
    EXPECT_EQ (childOf (*row), window);

    clickRow (*browser, names.indexOf ("Sauvignon"));
    EXPECT_EQ (childOf (*row), nullptr);
    EXPECT_EQ (row->getButtonText(), "Sauvignon");
    const auto picked = form.getSorta (2);
    EXPECT_EQ (picked.id, 3);
    EXPECT_EQ (picked.okrajsano, "SAU");
    EXPECT_EQ (picked.barva, 16777011);
    EXPECT_EQ (picked.tip, 1);
    EXPECT_TRUE (picked.active);
    EXPECT_EQ (row->getSorta(), picked);
    EXPECT_EQ (form.getSorta (1).id, -1);
    EXPECT_TRUE (log.contains ("postavimo 2"));
    pump (100);
    EXPECT_EQ (openWindows(), 0);
}

TEST_F (SortaWindows, TheButtonNamesTheVarietyOrAsksForOne)
{
    struct Case
    {
        int id;
        const char* name;
        const char* shown;
    };
    const Case cases[] = {
        { -1, "", "Izberi sorto" },
        { 0, "Nekaj", "Izberi sorto" },
        { 1, "Belo", "Izberi sorto" },   // the placeholder of an undeclared vessel
        { 2, "Rdeče", "Rdeče" },
        { 4, "Modra frankinja", "Modra frankinja" },
    };
    auto row = picker (1);
    for (const auto& c : cases)
    {
        SortaRecord r;
        r.id = c.id;
        r.sorta = utf8 (c.name);
        row->setIDN (r);
        EXPECT_EQ (row->getButtonText(), utf8 (c.shown)) << c.id;
        EXPECT_EQ (firstButtonIn (*row)->getButtonText(), utf8 (c.shown)) << c.id;
        EXPECT_EQ (form.getSorta (1).id, c.id);
    }
}

TEST_F (SortaWindows, APickerOnAFormWithoutSlotsOnlyShowsThePick)
{
    juce::Component plain;
    SortaButtonPropertyComponent row ("Izberi sorto", "Sorta", &plain, 1);
    SortaRecord r;
    r.id = 3;
    r.sorta = "Sauvignon";
    row.setIDN (r);
    EXPECT_EQ (row.getButtonText(), "Sauvignon");
    EXPECT_FALSE (log.contains ("postavimo"));
    EXPECT_EQ (row.getSorta().id, 3);
}

namespace
{
void typeInto (juce::Label& label, const juce::String& text)
{
    label.showEditor();
    auto* editor = label.getCurrentTextEditor();
    ASSERT_NE (editor, nullptr);
    editor->selectAll();
    editor->insertTextAtCaret (text);
    label.hideEditor (false);
}

/** The text label of the editor's row with this name ("sorta" or "okrajsano"). */
juce::Label* textRow (SortaEdit& editor, const char* rowName)
{
    auto* row = wtest::findChild<juce::PropertyComponent> (editor, [&] (juce::PropertyComponent& p) { return p.getName() == rowName; });
    return row != nullptr ? wtest::findChild<juce::Label> (*row) : nullptr;
}

class SortaRegister : public SortaWindows
{
protected:
    /** The picker's register switched to editing, with `name` selected when given. */
    PregledBazeSorta* editingRegister (SortaButtonPropertyComponent& row, const char* name = nullptr)
    {
        clickButtonOf (row);
        auto* choosing = childOf (row);
        if (choosing == nullptr)
            return nullptr;
        press (choosing, "Editing");
        auto* browser = registerOf (row);
        if (browser != nullptr && name != nullptr)
            clickRow (*browser, columnOf (*browser, "sorta").indexOf (utf8 (name)));
        return browser;
    }

    VindorWindow* editorWindowOf (PregledBazeSorta& browser) { return dynamic_cast<VindorWindow*> (browser.currentChild.get()); }
};
} // namespace

TEST_F (SortaRegister, AWhiteVarietyTypedIntoTheNewDialogIsStoredAndPicked)
{
    auto row = picker (2);
    auto* browser = editingRegister (*row, "Modra frankinja");
    ASSERT_NE (browser, nullptr);
    EXPECT_TRUE (browser->isEditable());
    EXPECT_EQ (buttonsOf (childOf (*row)), juce::StringArray ({ "Close", "Edit", "Delete", "Insert" }));
    const auto before = value ("SELECT count(*) FROM sorta");

    press (childOf (*row), "Insert");
    auto* window = editorWindowOf (*browser);
    ASSERT_NE (window, nullptr);
    EXPECT_EQ (window->getTitle(), "Dodaj sorto");
    EXPECT_EQ (buttonsOf (window), juce::StringArray ({ "Cancel", "Save" }));
    auto* editor = contentOf<SortaEdit> (window);
    ASSERT_NE (editor, nullptr);
    // A fresh variety, whatever was selected: empty, red.
    EXPECT_EQ (editor->getSortaValue().toString(), "");
    EXPECT_EQ (editor->getShownColour(), (int) 0xFFCC0000);
    // Insert again while the dialog is open does nothing.
    press (childOf (*row), "Insert");
    EXPECT_EQ (editorWindowOf (*browser), window);

    typeInto (*textRow (*editor, "sorta"), utf8 ("  Laški rizling "));
    typeInto (*textRow (*editor, "okrajsano"), "LR");
    auto* kind = wtest::findChild<juce::ComboBox> (*editor);
    ASSERT_NE (kind, nullptr);
    EXPECT_EQ (kind->getText(), "rdecevino");
    kind->setSelectedItemIndex (0, juce::sendNotificationSync);   // "belovino"
    pump();
    EXPECT_EQ (editor->getShownColour(), (int) 0xFFFFFF33);

    const auto shot = wtest::snapshot (*window);
    EXPECT_TRUE (wtest::writePng (shot, "/tmp/vindoro-sorta-dodaj.png"));

    press (window, "Save");
    EXPECT_EQ (value ("SELECT count(*) FROM sorta"), juce::String (before.getIntValue() + 1));
    const auto stored = rows (utf8 ("SELECT id,okrajsano,barva,tip,active FROM sorta WHERE sorta='Laški rizling'"));
    ASSERT_EQ (stored.size(), 1);
    EXPECT_TRUE (stored[0].endsWith ("|LR|-205|1|1")) << stored[0];
    EXPECT_EQ (value ("SELECT sorta||okrajsano||barva||tip FROM sorta WHERE id=4"), "Modra frankinjaMF-34078720");

    // The register reported the stored variety as picked: the picker took it and closed it.
    pump (100);
    EXPECT_EQ (childOf (*row), nullptr);
    EXPECT_EQ (row->getButtonText(), utf8 ("Laški rizling"));
    EXPECT_EQ (form.getSorta (2).id, stored[0].upToFirstOccurrenceOf ("|", false, false).getIntValue());
    EXPECT_EQ (form.getSorta (2).barva, -205);
    EXPECT_EQ (openWindows(), 0);
}

TEST_F (SortaRegister, TheNewDialogStoresItsDefaultsAndAnUntouchedOneStaysUnlisted)
{
    struct Case
    {
        const char* name;   // typed, or null for a dialog saved untouched
        const char* stored; // okrajsano|barva|tip|active
    };
    const Case cases[] = {
        { "Refosk", "||-3407872|0|1" },   // red by default, stored with its alpha byte
        { nullptr, "||-3407872|0|0" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name != nullptr ? c.name : "untouched");
        auto row = picker (1);
        const int pickedBefore = form.getSorta (1).id;
        auto* browser = editingRegister (*row);
        ASSERT_NE (browser, nullptr);
        press (childOf (*row), "Insert");
        auto* window = editorWindowOf (*browser);
        auto* editor = contentOf<SortaEdit> (window);
        ASSERT_NE (editor, nullptr);
        if (c.name != nullptr)
            typeInto (*textRow (*editor, "sorta"), c.name);
        pump();
        const auto maxBefore = value ("SELECT max(id) FROM sorta").getIntValue();
        press (window, "Save");
        EXPECT_EQ (rows ("SELECT sorta,okrajsano,barva,tip,active FROM sorta WHERE id>" + juce::String (maxBefore)),
                   juce::StringArray (juce::String (c.name != nullptr ? c.name : "") + c.stored));
        pump (100);
        if (c.name != nullptr)
            EXPECT_EQ (row->getButtonText(), c.name);
        else
        {
            // Nothing to pick: the register is closed and the picker still asks.
            EXPECT_EQ (row->getButtonText(), "Izberi sorto");
            EXPECT_EQ (form.getSorta (1).id, pickedBefore);
        }
        closeAllWindows();
        row.reset();
    }
}

TEST_F (SortaRegister, EditingKeepsAnExistingVarietysColourAndGivesItItsAlphaByte)
{
    auto row = picker (2);
    auto* browser = editingRegister (*row, "Sauvignon");
    ASSERT_NE (browser, nullptr);
    // A double click opens the editor too; Edit while it is open does nothing.
    clickRow (*browser, columnOf (*browser, "sorta").indexOf ("Sauvignon"), 2);
    auto* window = editorWindowOf (*browser);
    ASSERT_NE (window, nullptr);
    EXPECT_EQ (window->getTitle(), "Uredi sorto");
    press (childOf (*row), "Edit");
    EXPECT_EQ (editorWindowOf (*browser), window);
    auto* editor = contentOf<SortaEdit> (window);
    ASSERT_NE (editor, nullptr);
    EXPECT_EQ (editor->getSortaValue().toString(), "Sauvignon");
    EXPECT_EQ (editor->getShownColour(), (int) 0xFFFFFF33);   // stored 16777011, without alpha: opaque

    auto* kind = wtest::findChild<juce::ComboBox> (*editor);
    ASSERT_NE (kind, nullptr);
    EXPECT_EQ (kind->getText(), "belovino");
    kind->setSelectedItemIndex (1, juce::sendNotificationSync);   // "rdecevino"
    pump();
    EXPECT_EQ (editor->getShownColour(), (int) 0xFFFFFF33);   // an existing variety keeps its colour
    typeInto (*textRow (*editor, "okrajsano"), " SB ");
    press (window, "Save");

    EXPECT_EQ (rows ("SELECT sorta,okrajsano,barva,tip,active FROM sorta WHERE id=3"), juce::StringArray ("Sauvignon|SB|-205|0|1"));
    pump (100);
    EXPECT_EQ (childOf (*row), nullptr);
    EXPECT_EQ (form.getSorta (2).id, 3);
    EXPECT_EQ (form.getSorta (2).okrajsano, "SB");
    EXPECT_EQ (form.getSorta (2).tip, 0);
}

TEST_F (SortaRegister, CancelStoresNothingAndEditOrDeleteWithoutARowIsRefused)
{
    auto row = picker (1);
    auto* browser = editingRegister (*row);
    ASSERT_NE (browser, nullptr);
    const auto before = rows ("SELECT * FROM sorta ORDER BY id");

    answers.then (0);
    press (childOf (*row), "Edit");
    answers.then (0);
    press (childOf (*row), "Delete");
    ASSERT_EQ (answers.asked.size(), 2u);
    for (const auto& q : answers.asked)
        EXPECT_TRUE (q.message.contains ("Error occured: ni izbrane sorte")) << q.message;
    EXPECT_EQ (editorWindowOf (*browser), nullptr);

    clickRow (*browser, columnOf (*browser, "sorta").indexOf ("Sauvignon"));
    press (childOf (*row), "Edit");
    auto* window = editorWindowOf (*browser);
    ASSERT_NE (window, nullptr);
    typeInto (*textRow (*contentOf<SortaEdit> (window), "sorta"), "Nekaj drugega");
    press (window, "Cancel");
    pump (100);
    EXPECT_EQ (editorWindowOf (*browser), nullptr);
    EXPECT_EQ (rows ("SELECT * FROM sorta ORDER BY id"), before);
    EXPECT_NE (childOf (*row), nullptr);   // the register stays open, nothing was picked
    EXPECT_EQ (form.getSorta (1).id, -1);
}

TEST_F (SortaRegister, DeleteSwitchesTheVarietyOffAndKeepsItsReferences)
{
    ASSERT_TRUE (exec ("INSERT INTO vino(id,letnik,sorta) VALUES (30,2020,4)"));
    auto row = picker (1);
    auto* browser = editingRegister (*row, "Modra frankinja");
    ASSERT_NE (browser, nullptr);

    answers.then (0);   // declined: nothing changes
    press (childOf (*row), "Delete");
    EXPECT_EQ (value ("SELECT active FROM sorta WHERE id=4"), "1");
    EXPECT_TRUE (columnOf (*browser, "sorta").contains ("Modra frankinja"));

    if (browser->getSelectedRow() == nullptr)
        clickRow (*browser, columnOf (*browser, "sorta").indexOf ("Modra frankinja"));
    answers.then (1);
    press (childOf (*row), "Delete");
    EXPECT_TRUE (answers.asked.back().message.contains ("Modra frankinja")) << answers.asked.back().message;
    EXPECT_EQ (value ("SELECT active FROM sorta WHERE id=4"), "0");
    EXPECT_FALSE (columnOf (*browser, "sorta").contains ("Modra frankinja"));
    EXPECT_EQ (value ("SELECT sorta FROM vino WHERE id=30"), "4");
    EXPECT_EQ (value ("SELECT sorta FROM tipizacija WHERE id=20"), "3");
    EXPECT_NE (childOf (*row), nullptr);
}

TEST_F (SortaRegister, TheRegisterShowsEachVarietysColourAsAnOpaqueSwatch)
{
    auto row = picker (1);
    clickButtonOf (*row);
    auto* browser = registerOf (*row);
    ASSERT_NE (browser, nullptr);
    pump (100);
    const auto names = columnOf (*browser, "sorta");
    struct Case
    {
        const char* name;
        juce::uint32 colour;
    };
    const Case cases[] = {
        { "Modra frankinja", 0xFFCC0000 },   // stored -3407872
        { "Sauvignon", 0xFFFFFF33 },         // stored 16777011, no alpha byte
        { "Belo", 0xFF33FFFF },              // stored 3407871
    };
    for (const auto& c : cases)
    {
        const int index = names.indexOf (c.name);
        ASSERT_GE (index, 0) << c.name;
        auto* cell = browser->getTable().getCellComponent (PregledBazeSorta::kBarvaColumn, index);
        auto* swatch = dynamic_cast<ColourV*> (cell);
        ASSERT_NE (swatch, nullptr) << c.name;
        EXPECT_EQ (swatch->getColour(), c.colour) << c.name;
        // The swatch is what shows on screen in the colour column.
        const auto shot = wtest::snapshot (*browser);
        const auto area = browser->getLocalArea (swatch, swatch->getLocalBounds());
        EXPECT_EQ (shot.getPixelAt (area.getCentreX(), area.getCentreY()).getARGB(), c.colour) << c.name;
    }
    EXPECT_TRUE (wtest::writePng (wtest::snapshot (*childOf (*row)), "/tmp/vindoro-sorta-register.png"));
}
