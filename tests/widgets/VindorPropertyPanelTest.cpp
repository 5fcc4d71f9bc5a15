#include "widgets/VindorPropertyPanel.h"
#include "widgets/VindorTextPropertyComponent.h"
#include "widgets/VindorBooleanPropertyComponent.h"
#include "widgets/VindorChoicePropertyComponent.h"
#include "widgets/VindorButtonPropertyComponent.h"
#include "widgets/RTextPropertyComponent.h"
#include "widgets/ValButtonPropertyComponent.h"
#include "support/WidgetTestSupport.h"
#include "frame/LookAndFeel_Vindor.h"
#include "support/TestSupport.h"

#include <cmath>
#include <memory>

#include <gtest/gtest.h>

namespace
{
// A row that counts its own destruction, to see the panel delete what it was given.
struct CountedRow : juce::PropertyComponent
{
    CountedRow (int& deaths, std::vector<int>& order, int id)
        : juce::PropertyComponent ("row" + juce::String (id), 25), counter (deaths), log (order), tag (id) {}
    ~CountedRow() override { ++counter; log.push_back (tag); }
    void refresh() override { ++refreshes; }
    int& counter;
    std::vector<int>& log;
    int tag;
    int refreshes = 0;
};

struct OwnerSpy : juce::Component
{
    void resized() override { ++calls; }
    int calls = 0;
};

juce::Array<juce::PropertyComponent*> textRows (juce::Value& v, int count)
{
    juce::Array<juce::PropertyComponent*> rows;
    for (int i = 0; i < count; ++i)
        rows.add (new VindorTextPropertyComponent (v, "t" + juce::String (i), 50, false));
    return rows;
}
} // namespace

TEST (PropertyRowHeight, WithoutTheProgramsLookRowsKeepTheirOwnHeight)
{
    juce::Value v;
    VindorTextPropertyComponent single (v, "one", 50, false);
    VindorTextPropertyComponent multi (v, "many", 500, true);
    VindorBooleanPropertyComponent check (v, "b", "on");
    EXPECT_EQ (propertyRowHeight (nullptr), 22);
    EXPECT_EQ (single.getPreferredHeight(), 25);
    EXPECT_EQ (multi.getPreferredHeight(), 100);
    EXPECT_EQ (propertyRowHeight (&check), check.getPreferredHeight());
}

TEST (VindorPropertyPanel, SectionsOpenAndCloseWithThePanelsHeight)
{
    juce::Value v;
    VindorPropertyPanel panel;
    panel.setSize (400, 600);
    panel.addSection ("First", textRows (v, 2), true);
    panel.addProperties (textRows (v, 1));   // untitled: not counted by index
    panel.addSection ("Second", textRows (v, 3), false);

    EXPECT_EQ (panel.getSectionNames(), juce::StringArray ({ "First", "Second" }));
    // title bars 22 high without the program's look; text rows 25
    EXPECT_EQ (panel.getTotalContentHeight(), 22 + 2 * 25 + 25 + 22);
    EXPECT_TRUE (panel.isSectionOpen (0));
    EXPECT_FALSE (panel.isSectionOpen (1));
    EXPECT_FALSE (panel.isSectionOpen (2));   // out of range reads as closed

    panel.setSectionOpen (1, true);
    EXPECT_TRUE (panel.isSectionOpen (1));
    EXPECT_EQ (panel.getTotalContentHeight(), 22 + 50 + 25 + 22 + 75);

    panel.setSectionOpen (0, false);
    EXPECT_EQ (panel.getTotalContentHeight(), 22 + 25 + 22 + 75);
    panel.setSectionOpen (7, true);           // ignored
    EXPECT_EQ (panel.getTotalContentHeight(), 22 + 25 + 22 + 75);
}

TEST (VindorPropertyPanel, ClosedSectionKeepsItsRowsHiddenAndShowsThemAgain)
{
    juce::Value v ("keep me");
    VindorPropertyPanel panel;
    panel.setSize (400, 300);
    auto rows = textRows (v, 1);
    auto* row = rows[0];
    panel.addSection ("S", rows, true);
    panel.setSectionOpen (0, false);
    EXPECT_FALSE (row->isVisible());
    panel.setSectionOpen (0, true);
    EXPECT_TRUE (row->isVisible());
    EXPECT_EQ (static_cast<juce::TextPropertyComponent*> (row)->getText(), "keep me");
    EXPECT_EQ (row->getY(), 22);
}

TEST (VindorPropertyPanel, ClickAnywhereOnTheTitleBarTogglesAndDoubleClickLeavesItAsItWas)
{
    juce::Value v;
    OwnerSpy owner;
    VindorPropertyPanel panel (&owner);
    panel.setSize (400, 300);
    panel.addSection ("S", textRows (v, 2), true);
    panel.resized();
    EXPECT_EQ (owner.calls, 0);   // building and the first layout tell nobody

    auto* section = panel.getTitledSection (0);
    ASSERT_NE (section, nullptr);
    section->mouseUp (wtest::mouseAt (*section, 390, 5));    // far right of the text
    EXPECT_FALSE (panel.isSectionOpen (0));
    EXPECT_EQ (owner.calls, 1);

    // first release toggles, the double click toggles back, the second release does nothing
    section->mouseUp (wtest::mouseAt (*section, 10, 5, 1));
    section->mouseDoubleClick (wtest::mouseAt (*section, 10, 5, 2));
    section->mouseUp (wtest::mouseAt (*section, 10, 5, 2));
    EXPECT_FALSE (panel.isSectionOpen (0));
    EXPECT_EQ (owner.calls, 3);

    section->mouseUp (wtest::mouseAt (*section, 10, 40));    // below the title: no toggle
    EXPECT_FALSE (panel.isSectionOpen (0));
    EXPECT_EQ (section->getMouseCursor(), juce::MouseCursor (juce::MouseCursor::PointingHandCursor));
}

TEST (VindorPropertyPanel, UntitledSectionsNeverToggle)
{
    juce::Value v;
    VindorPropertyPanel panel;
    panel.setSize (400, 300);
    panel.addProperties (textRows (v, 1));
    auto* holder = panel.getTitledSection (0);
    EXPECT_EQ (holder, nullptr);
    EXPECT_EQ (panel.getTotalContentHeight(), 25);
}

TEST (VindorPropertyPanel, DestroyingOrClearingDeletesEveryRowLastFirst)
{
    int deaths = 0;
    std::vector<int> order;
    {
        VindorPropertyPanel panel;
        panel.setSize (300, 300);
        auto* a = new CountedRow (deaths, order, 1);
        auto* b = new CountedRow (deaths, order, 2);
        panel.addSection ("A", { a, b }, true);
        EXPECT_EQ (a->refreshes, 1);
        panel.addProperties ({ new CountedRow (deaths, order, 3) });
        EXPECT_FALSE (panel.isEmpty());
    }
    EXPECT_EQ (deaths, 3);
    EXPECT_EQ (order, (std::vector<int> { 3, 2, 1 }));

    VindorPropertyPanel panel;
    panel.setSize (300, 300);
    panel.addSection ("A", { new CountedRow (deaths, order, 4) }, true);
    panel.clear();
    EXPECT_TRUE (panel.isEmpty());
    EXPECT_EQ (deaths, 4);
    EXPECT_EQ (panel.getTotalContentHeight(), 0);
}

namespace
{
// Installs the program's look-and-feel as the default while it lives (font size 6 mm).
struct ProgramLook
{
    ProgramLook()
    {
        settings.user().setValue ("fontsize_mm", 6.0);
        look = std::make_unique<LookAndFeel_Vindor>();
        juce::LookAndFeel::setDefaultLookAndFeel (look.get());
    }
    ~ProgramLook() { juce::LookAndFeel::setDefaultLookAndFeel (nullptr); }
    vtest::TestSettings settings;
    std::unique_ptr<LookAndFeel_Vindor> look;
};
} // namespace

TEST (PropertyRowHeight, FollowsTheProgramsFontSize)
{
    ProgramLook program;
    const float font = program.look->getDefaultFontSize();
    const int base = (int) std::nearbyint (font / 0.7);
    if (program.look->getScreenDpi() == 96.0f)
    {
        EXPECT_FLOAT_EQ (font, 22.5f);
        EXPECT_EQ (base, 32);
    }

    juce::Value v;
    VindorTextPropertyComponent single (v, "one", 50, false);
    VindorTextPropertyComponent multi (v, "many", 500, true);
    VindorBooleanPropertyComponent check (v, "b", "on");
    VindorChoicePropertyComponent choice (v, "c", { "a" }, { 1 });
    struct Button : VindorButtonPropertyComponent
    {
        Button() : VindorButtonPropertyComponent ("btn") {}
        void buttonClicked() override {}
    } button;

    EXPECT_EQ (propertyRowHeight (nullptr), base);
    EXPECT_EQ (single.getPreferredHeight(), base);
    EXPECT_EQ (multi.getPreferredHeight(), 4 * base);
    EXPECT_EQ (check.getPreferredHeight(), base);
    EXPECT_EQ (choice.getPreferredHeight(), base);
    EXPECT_EQ (button.getPreferredHeight(), base);

    // a multi-line picker row is 100 high whatever the font size
    struct Picker : ValButtonPropertyComponent
    {
        Picker (juce::Value& value) : ValButtonPropertyComponent (value, "p", 2000, true, 0.2, true) {}
        void buttonClicked() override {}
        juce::String getButtonText() const override { return "..."; }
    } tallPicker (v);
    EXPECT_EQ (tallPicker.getPreferredHeight(), 100);
    RTextPropertyComponent amount (v, "Skupaj");
    EXPECT_EQ (amount.getPreferredHeight(), base);
}

TEST (VindorPropertyPanel, TitleBarsTakeTheProgramsRowHeight)
{
    ProgramLook program;
    const int base = propertyRowHeight (nullptr);
    juce::Value v;
    VindorPropertyPanel panel;
    panel.setSize (500, 600);
    panel.addSection ("Title", { new VindorTextPropertyComponent (v, "x", 20, false),
                                 new VindorTextPropertyComponent (v, "y", 2000, true) }, true);
    EXPECT_EQ (panel.getTotalContentHeight(), base + base + 4 * base);
    panel.setSectionOpen (0, false);
    EXPECT_EQ (panel.getTotalContentHeight(), base);
}

TEST (ShowMessageOKModal, ReturnsAtOnceAndLeavesAModalWarningBox)
{
    juce::Component associated;
    showMessageOKModal ("Napaka", "Kleti ni mogoce prebrati.", &associated);
    auto* mcm = juce::ModalComponentManager::getInstance();
    ASSERT_EQ (mcm->getNumModalComponents(), 1);
    auto* alert = dynamic_cast<juce::AlertWindow*> (mcm->getModalComponent (0));
    ASSERT_NE (alert, nullptr);
    EXPECT_EQ (alert->getName(), "Napaka");
    EXPECT_EQ (alert->getNumButtons(), 1);
    mcm->cancelAllModalComponents();
    juce::MessageManager::getInstance()->runDispatchLoopUntil (20);
    EXPECT_EQ (mcm->getNumModalComponents(), 0);
}
