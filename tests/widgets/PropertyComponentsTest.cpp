#include "support/WidgetTestSupport.h"
#include "widgets/RTextPropertyComponent.h"
#include "widgets/ValButtonPropertyComponent.h"
#include "widgets/ValChoicePropertyComponent.h"
#include "widgets/VindorBooleanPropertyComponent.h"
#include "widgets/VindorChoicePropertyComponent.h"
#include "widgets/VindorSliderPropertyComponent.h"
#include "widgets/VindorTextPropertyComponent.h"

#include <gtest/gtest.h>

namespace
{
struct PickerRow : ValButtonPropertyComponent
{
    using ValButtonPropertyComponent::ValButtonPropertyComponent;
    void buttonClicked() override { ++clicks; }
    juce::String getButtonText() const override { return "..."; }
    int clicks = 0;
};
} // namespace

TEST (PropertyComponents, FrameworkRowsRoundTripThroughTheirValue)
{
    juce::Value text ("Merlot"), choice (2), flag (false), slider (0.5);
    VindorTextPropertyComponent t (text, "Name", 50, false);
    VindorChoicePropertyComponent c (choice, "Kind", { "one", "two", "three" }, { 1, 2, 3 });
    VindorBooleanPropertyComponent b (flag, "Active", "yes");
    VindorSliderPropertyComponent s (slider, "Litres", 0.0, 10.0, 0.5);

    EXPECT_EQ (t.getText(), "Merlot");
    t.setText ("Refosk");
    EXPECT_EQ (text.toString(), "Refosk");
    text = "Teran";
    EXPECT_EQ (t.getText(), "Teran");

    auto* combo = wtest::findChild<juce::ComboBox> (c);
    ASSERT_NE (combo, nullptr);
    EXPECT_EQ (combo->getSelectedId(), 2);
    combo->setSelectedId (3, juce::sendNotificationSync);
    EXPECT_EQ ((int) choice.getValue(), 3);

    EXPECT_FALSE (b.getState());
    b.setState (true);
    EXPECT_TRUE ((bool) flag.getValue());

    auto* knob = wtest::findChild<juce::Slider> (s);
    ASSERT_NE (knob, nullptr);
    knob->setValue (7.5, juce::sendNotificationSync);
    EXPECT_DOUBLE_EQ ((double) slider.getValue(), 7.5);
}

TEST (PropertyComponents, OwnRowsEditTheirValueThroughTheLabel)
{
    juce::Value amount ("12,50"), path ("/tmp/a.png"), unitText ("3"), unit (2);
    RTextPropertyComponent r (amount, "Total");
    PickerRow p (path, "File", 200, false, 0.1, true);
    ValChoicePropertyComponent vc (unitText, unit, "Quantity", { "kg", "l" }, { 1, 2 }, 0.3);

    EXPECT_EQ (r.getText(), "12,50");
    EXPECT_EQ (r.getLabel().getJustificationType(), juce::Justification::topRight);
    r.setText ("13,00");
    EXPECT_EQ (amount.toString(), "13,00");

    // typing into a picker's label changes the Value without the button
    p.getLabel().showEditor();
    auto* editor = p.getLabel().getCurrentTextEditor();
    ASSERT_NE (editor, nullptr);
    editor->setText ("/tmp/b.png");
    p.getLabel().hideEditor (false);
    EXPECT_EQ (path.toString(), "/tmp/b.png");
    EXPECT_EQ (p.clicks, 0);

    p.getButton().triggerClick();
    for (int i = 0; i < 50 && p.clicks == 0; ++i)
        wtest::pump (10);
    EXPECT_EQ (p.clicks, 1);

    vc.setText ("4");
    EXPECT_EQ (unitText.toString(), "4");
    vc.getComboBox().setSelectedId (1, juce::sendNotificationSync);
    EXPECT_EQ ((int) unit.getValue(), 1);
    unit = 2;   // the framework announces this later; the remapper passes it on at once
    wtest::pump (20);
    EXPECT_EQ (vc.getComboBox().getSelectedId(), 2);
}

TEST (PropertyComponents, LabelEditorKeepsTheLimitAndDroppedFilesAreAppended)
{
    juce::Value v ("a");
    PickerRow one (v, "One", 5, false, 0.1, true);
    one.getLabel().showEditor();
    auto* editor = one.getLabel().getCurrentTextEditor();
    ASSERT_NE (editor, nullptr);
    editor->setText ("");
    editor->insertTextAtCaret ("123456789");
    EXPECT_EQ (editor->getText(), "12345");
    one.getLabel().hideEditor (true);

    juce::Value w ("x");
    PickerRow dropOne (w, "Drop", 200, false, 0.1, true);
    dynamic_cast<juce::FileDragAndDropTarget&> (dropOne.getLabel()).filesDropped ({ "/a/b", "/c/d" }, 0, 0);
    EXPECT_EQ (w.toString(), "x/a/b, /c/d");
    dropOne.getLabel().hideEditor (true);

    juce::Value m ("");
    PickerRow dropMany (m, "Drop", 2000, true, 0.1, true);
    dynamic_cast<juce::FileDragAndDropTarget&> (dropMany.getLabel()).filesDropped ({ "/a", "/b" }, 0, 0);
    EXPECT_EQ (m.toString(), "/a\n/b");
    dropMany.getLabel().hideEditor (true);
}

TEST (PropertyComponents, ValButtonSplitsTheContentAreaByShareAndMultiLineIsHundredHigh)
{
    juce::Value v;
    PickerRow row (v, "Pick", 200, false, 0.1, true);
    // content area starts at min(200, width/3) and ends one pixel before the right edge
    row.setSize (700, 25);
    const auto content = row.getLookAndFeel().getPropertyComponentContentPosition (row);
    ASSERT_EQ (content.getWidth(), 500);
    EXPECT_EQ (row.getButton().getWidth(), 50);
    EXPECT_EQ (row.getButton().getRight(), content.getRight());
    EXPECT_EQ (row.getLabel().getX(), content.getX());
    EXPECT_EQ (row.getLabel().getWidth(), 450);
    EXPECT_EQ (row.getButton().getButtonText(), "");
    row.refresh();
    EXPECT_EQ (row.getButton().getButtonText(), "...");
    EXPECT_TRUE (row.getButton().getTriggeredOnMouseDown());

    PickerRow tall (v, "Text", 2000, true, 0.2, false);
    EXPECT_EQ (tall.getPreferredHeight(), 100);
    EXPECT_EQ (tall.getLabel().getJustificationType(), juce::Justification::topLeft);
}

TEST (PropertyComponents, ChoiceRemapperPrefersSameTypeAndFallsBackToLooseMatch)
{
    struct Case
    {
        const char* what;
        juce::var current;
        juce::Array<juce::var> values;
        int expectedId;
    };
    const Case cases[] = {
        { "integer against texts: loose match", 3, { "1", "2", "3" }, 3 },
        { "same type wins over an earlier loose match", 3, { "1", "3", 3 }, 3 },
        { "text against mixed: same type first", "3", { 3, "3" }, 2 },
        { "no match selects nothing", 9, { 1, 2, 3 }, 0 },
    };

    for (const auto& c : cases)
    {
        juce::Value text, choice (c.current);
        juce::StringArray names;
        for (int i = 0; i < c.values.size(); ++i)
            names.add ("item" + juce::String (i));
        ValChoicePropertyComponent row (text, choice, "Unit", names, c.values, 0.3);
        EXPECT_EQ (row.getComboBox().getSelectedId(), c.expectedId) << c.what;
    }

    // picking writes the item's value when it differs in type, though equal loosely
    juce::Value text, choice (3);
    ValChoicePropertyComponent row (text, choice, "Unit", { "a", "b", "c" }, { "1", "2", "3" }, 0.3);
    row.getComboBox().setSelectedId (1, juce::sendNotificationSync);
    row.getComboBox().setSelectedId (3, juce::sendNotificationSync);
    EXPECT_TRUE (choice.getValue().isString());
    EXPECT_EQ (choice.toString(), "3");
}

TEST (PropertyComponents, EmptyChoiceTextIsASeparatorThatKeepsItsNumber)
{
    juce::Value text, choice (3);
    ValChoicePropertyComponent row (text, choice, "Unit", { "kg", "", "l" }, { 1, 2, 3 }, 0.3);
    auto& combo = row.getComboBox();
    EXPECT_EQ (combo.getNumItems(), 2);
    EXPECT_EQ (combo.getItemId (1), 3);
    EXPECT_EQ (combo.getSelectedId(), 3);
    EXPECT_EQ (combo.getText(), "l");
}
