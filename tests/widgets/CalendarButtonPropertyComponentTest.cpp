#include "widgets/CalendarButtonPropertyComponent.h"
#include "widgets/CalendarDates.h"
#include "support/TestSupport.h"
#include "support/WidgetTestSupport.h"

#include <gtest/gtest.h>

namespace
{
struct DateButtonFixture : ::testing::Test
{
    DateButtonFixture()
    {
        opener.setSize (600, 500);
        opener.addAndMakeVisible (button);
        button.setBounds (10, 40, 400, 25);
    }

    ~DateButtonFixture() override
    {
        juce::ModifierKeys::currentModifiers = juce::ModifierKeys();
    }

    void type (const juce::String& keys)
    {
        for (auto c : keys)
            button.keyPressed (juce::KeyPress ((int) c, 0, c));
    }

    ColouredTextComponent* cellOf (CalendarComponent& cal, juce::Time day)
    {
        for (int i = 0; i < 42; ++i)
            if (cal.getDayCell (i).getDate() == calendarNoonOf (day))
                return &cal.getDayCell (i);
        return nullptr;
    }

    void pick (ColouredTextComponent& cell, juce::ModifierKeys mods)
    {
        juce::ModifierKeys::currentModifiers = mods;
        button.getPopup()->colouredTextPressed (&cell, wtest::mouseAt (cell, 3, 3, 1, mods));
        juce::ModifierKeys::currentModifiers = juce::ModifierKeys();
    }

    juce::Component opener;
    CalendarButtonPropertyComponent button { "Za datum", &opener, 1 };
    vtest::LogCapture log;
};

const juce::ModifierKeys leftButton (juce::ModifierKeys::leftButtonModifier);
const juce::ModifierKeys rightButton (juce::ModifierKeys::rightButtonModifier);
} // namespace

TEST_F (DateButtonFixture, UntouchedRowReadsAsTheMomentOfReading)
{
    EXPECT_FALSE (button.isDateSet());
    EXPECT_EQ (button.getButtonText(), juce::Time::getCurrentTime().formatted ("%Y-%m-%d"));
    const auto before = juce::Time::getCurrentTime();
    juce::Thread::sleep (5);
    const auto read = button.getDateTime();
    EXPECT_FALSE (read.dateOnly);
    EXPECT_GE (read.time.toMilliseconds(), before.toMilliseconds());
    EXPECT_LE (read.time.toMilliseconds(), juce::Time::getCurrentTime().toMilliseconds());
    EXPECT_TRUE (log.contains ("<CalendarButtonPropertyComponent::getDateTime> Datum v kolendarju ni nastavljen vzamemo trenutni:"));
    juce::Thread::sleep (5);
    EXPECT_GT (button.getDateTime().time.toMilliseconds(), read.time.toMilliseconds());
}

TEST_F (DateButtonFixture, TypedDateIsTakenOnItsLastDigit)
{
    const juce::String keys ("25-12-2017");
    for (int i = 0; i < keys.length() - 1; ++i)
    {
        type (keys.substring (i, i + 1));
        EXPECT_EQ (button.getButtonText(), ">" + keys.substring (0, i + 1) + "<");
    }
    EXPECT_FALSE (button.isDateSet());
    type ("7");
    EXPECT_EQ (button.getTypedText(), "");
    EXPECT_TRUE (button.isDateSet());
    EXPECT_EQ (button.getButtonText(), "2017-12-25");
    EXPECT_EQ (button.getValueObject().toString(), "2017-12-25 12:00:00");
    EXPECT_EQ (button.getDateTime().toString(), "2017-12-25 12:00:00");
    EXPECT_TRUE (log.contains ("Datum v kolendarju je nastavljen na:2017-12-25 12:00:00"));
}

TEST_F (DateButtonFixture, ReturnEscapeAndTabClearAnUnfinishedDate)
{
    button.setDateText ("2018-02-04");
    struct Case { int keyCode; bool expectedResult; };
    for (auto c : { Case { juce::KeyPress::returnKey, true }, Case { juce::KeyPress::escapeKey, true }, Case { juce::KeyPress::tabKey, false } })
    {
        type ("25");
        EXPECT_EQ (button.getButtonText(), ">25<");
        EXPECT_EQ (button.keyPressed (juce::KeyPress (c.keyCode)), c.expectedResult);
        EXPECT_EQ (button.getTypedText(), "");
        EXPECT_EQ (button.getButtonText(), "2018-02-04");
    }

    type ("3x");
    button.keyPressed (juce::KeyPress (juce::KeyPress::backspaceKey));
    EXPECT_EQ (button.getButtonText(), ">3<");
    EXPECT_FALSE (button.keyPressed (juce::KeyPress()));
    EXPECT_TRUE (log.contains ("WARNING: invalid key pressed"));
    EXPECT_EQ (button.getButtonText(), ">3<");
}

TEST_F (DateButtonFixture, DateTextSetsTheDateAndItsValue)
{
    button.setDateText ("2018-02-04");
    EXPECT_TRUE (button.isDateSet());
    EXPECT_EQ (button.getValueObject().toString(), "2018-02-04 12:00:00");
    EXPECT_EQ (button.getButtonText(), "2018-02-04");

    button.setDateText ("2019-11-30 07:05:09");
    EXPECT_EQ (button.getDateTime().toString(), "2019-11-30 07:05:09");

    button.setDateText ("");   // the wrong form gives now, and the date counts as set
    EXPECT_TRUE (button.isDateSet());
    EXPECT_EQ (button.getButtonText(), juce::Time::getCurrentTime().formatted ("%Y-%m-%d"));
}

TEST_F (DateButtonFixture, PopupOpensUnderTheButtonAndClosesOnASecondClick)
{
    button.setDateText ("2015-03-15");
    button.buttonClicked();
    auto* popup = button.getPopup();
    ASSERT_NE (popup, nullptr);
    EXPECT_TRUE (button.isPopupShowing());
    EXPECT_EQ (popup->getParentComponent(), &opener);
    EXPECT_EQ (popup->getWidth(), 300);
    EXPECT_EQ (popup->getHeight(), 225);
    EXPECT_EQ (popup->getY(), 40 + button.getChildComponent (0)->getBottom());   // under the button
    EXPECT_EQ (popup->getShownMonth(), calendarMakeDate (2015, 2, 1));
    EXPECT_EQ (popup->getSelectedDate(), calendarMakeDate (2015, 2, 15));
    EXPECT_EQ (popup->getHeaderColour(), juce::Colour (0xffaff2af));
    EXPECT_EQ (popup->getBackgroundColour(), juce::Colour (0xffffffe0));
    EXPECT_TRUE (log.contains ("bounds:"));

    button.buttonClicked();
    EXPECT_EQ (button.getPopup(), nullptr);
    EXPECT_FALSE (button.isPopupShowing());
    for (auto* child : opener.getChildren())   // only the fading picture may stay a moment
        EXPECT_EQ (dynamic_cast<CalendarComponent*> (child), nullptr);
}

TEST_F (DateButtonFixture, PopupFitsASmallOpenerAndMovesUpFromItsBottom)
{
    juce::Component small;
    small.setSize (250, 200);
    CalendarButtonPropertyComponent b ("Datum", &small, 2);
    small.addAndMakeVisible (b);
    b.setBounds (0, 150, 250, 25);
    b.buttonClicked();
    ASSERT_NE (b.getPopup(), nullptr);
    EXPECT_EQ (b.getPopup()->getBounds().getWidth(), 246);
    EXPECT_EQ (b.getPopup()->getBounds().getHeight(), 196);
    EXPECT_EQ (b.getPopup()->getBottom(), 198);
    EXPECT_GE (b.getPopup()->getX(), 2);
}

TEST_F (DateButtonFixture, LeftPickSetsTheDayWithTheClockAndClosesRightPickKeepsItOpen)
{
    button.setDateText ("2015-03-15");
    button.buttonClicked();
    auto* cell = cellOf (*button.getPopup(), calendarMakeDate (2015, 2, 20));
    ASSERT_NE (cell, nullptr);
    pick (*cell, rightButton);
    EXPECT_TRUE (button.isPopupShowing());
    EXPECT_EQ (button.getButtonText(), "2015-03-20");

    cell = cellOf (*button.getPopup(), calendarMakeDate (2015, 2, 21));
    const auto clockBefore = juce::Time::getCurrentTime();
    pick (*cell, leftButton);
    EXPECT_FALSE (button.isPopupShowing());
    EXPECT_NE (button.getPopup(), nullptr);   // kept until the next opening
    const auto picked = button.getDateTime().time;
    EXPECT_EQ (picked.formatted ("%Y-%m-%d"), "2015-03-21");
    EXPECT_NEAR (picked.getHours() * 3600 + picked.getMinutes() * 60 + picked.getSeconds(),
                 clockBefore.getHours() * 3600 + clockBefore.getMinutes() * 60 + clockBefore.getSeconds(), 2);

    // a left click on the selected day closes and leaves the date
    button.buttonClicked();
    auto* selected = cellOf (*button.getPopup(), picked);
    ASSERT_NE (selected, nullptr);
    pick (*selected, leftButton);
    EXPECT_FALSE (button.isPopupShowing());
    EXPECT_EQ (button.getDateTime().time, picked);
}

TEST_F (DateButtonFixture, DisabledPopupStillTakesTypedDates)
{
    button.popupEnabled = false;
    button.buttonClicked();
    EXPECT_EQ (button.getPopup(), nullptr);
    type ("1.1.2020");
    EXPECT_EQ (button.getButtonText(), "2020-01-01");
}

TEST_F (DateButtonFixture, DestroyingTheButtonTakesItsPopupOutOfTheOpener)
{
    auto extra = std::make_unique<CalendarButtonPropertyComponent> ("x", &opener, 4);
    extra->buttonClicked();
    auto* popup = extra->getPopup();
    EXPECT_EQ (popup->getParentComponent(), &opener);
    extra.reset();
    for (auto* child : opener.getChildren())
        EXPECT_EQ (dynamic_cast<CalendarComponent*> (child), nullptr);
}
