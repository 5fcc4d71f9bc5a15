#include "widgets/CalendarComponent.h"
#include "widgets/CalendarDates.h"
#include "support/WidgetTestSupport.h"

#include <gtest/gtest.h>

namespace
{
struct Recorder : CalendarComponentListener
{
    void dayClicked (CalendarComponent*, ColouredTextComponent*, const juce::MouseEvent&) override { events.add ("dayClicked"); }
    void dateSelected (CalendarComponent*) override { events.add ("dateSelected"); }
    bool monthChanging (CalendarComponent*, juce::Time m) override { events.add ("monthChanging " + m.formatted ("%Y-%m-%d")); return allowMonth; }
    void monthChanged (CalendarComponent*) override { events.add ("monthChanged"); }
    bool yearChanging (CalendarComponent*, juce::Time m) override { events.add ("yearChanging " + m.formatted ("%Y-%m-%d")); return allowYear; }
    void yearChanged (CalendarComponent*) override { events.add ("yearChanged"); }
    juce::StringArray events;
    bool allowMonth = true, allowYear = true;
};

struct CalendarFixture : ::testing::Test
{
    CalendarFixture()
    {
        settings.setSundayColours (juce::Colours::red, juce::Colours::white.withAlpha ((juce::uint8) 0));
        settings.markDate (calendarMakeDate (0, 0, 1), "Novo leto", juce::Colours::white, juce::Colour (0xff00008b));
        settings.markDate (calendarMakeDate (0, 11, 25), "Bozic", juce::Colours::white, juce::Colours::red);
        calendar.setSize (300, 225);
        calendar.addListener (&recorder);
    }

    ColouredTextComponent* cellOf (int year, int month, int day)
    {
        for (int i = 0; i < 42; ++i)
            if (calendar.getDayCell (i).getDate() == calendarMakeDate (year, month, day))
                return &calendar.getDayCell (i);
        return nullptr;
    }

    void press (ColouredTextComponent& c, juce::ModifierKeys mods = juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier))
    {
        calendar.colouredTextPressed (&c, wtest::mouseAt (c, 3, 3, 1, mods));
    }

    CalendarSettings settings;
    CalendarComponent calendar { "calendar", &settings };
    Recorder recorder;
};

// The text editor answers Return and Escape through the message queue.
// Clearing goes through the editor's text Value, which answers later: let it before typing.
void typeAfresh (juce::TextEditor& editor, const juce::String& typed)
{
    editor.setText ({});
    juce::MessageManager::getInstance()->runDispatchLoopUntil (10);
    editor.insertTextAtCaret (typed);
}

void pressKey (juce::TextEditor& editor, int keyCode)
{
    editor.keyPressed (juce::KeyPress (keyCode));
    juce::MessageManager::getInstance()->runDispatchLoopUntil (20);
}

juce::AlertWindow* currentAlert()
{
    auto* mcm = juce::ModalComponentManager::getInstance();
    for (int i = 0; i < mcm->getNumModalComponents(); ++i)
        if (auto* a = dynamic_cast<juce::AlertWindow*> (mcm->getModalComponent (i)))
            return a;
    return nullptr;
}
} // namespace

TEST_F (CalendarFixture, MarchPageFadesOtherMonthsAndFramesTheSelectedDay)
{
    calendar.setDate (calendarMakeDate (2015, 2, 15));
    EXPECT_EQ (calendar.getYearLabel().getText(), "2015");
    EXPECT_EQ (calendar.getMonthLabel().getText(), "March");
    EXPECT_EQ (calendar.getWeekdayCell (0).getText(), "Mon");
    EXPECT_EQ (calendar.getWeekdayCell (6).getText(), "Sun");
    EXPECT_EQ (calendar.getWeekdayCell (6).getTextColour(), juce::Colours::red);

    EXPECT_EQ (calendar.getDayCell (0).getDate(), calendarMakeDate (2015, 1, 23));
    EXPECT_EQ (calendar.getDayCell (41).getDate(), calendarMakeDate (2015, 3, 5));
    EXPECT_NEAR (calendar.getDayCell (0).getTextColour().getFloatAlpha(), 0.2f, 0.01f);
    EXPECT_EQ (calendar.getDayCell (41).getTextColour().getRed(), 255);   // a faded Sunday stays red
    EXPECT_NEAR (calendar.getDayCell (41).getTextColour().getFloatAlpha(), 0.2f, 0.01f);

    auto* fifteenth = cellOf (2015, 2, 15);
    ASSERT_NE (fifteenth, nullptr);
    EXPECT_TRUE (fifteenth->isFramed());
    EXPECT_EQ (calendar.getSelectedCell(), fifteenth);
    EXPECT_EQ (fifteenth->getTextColour(), juce::Colours::red);   // a Sunday
    EXPECT_FALSE (cellOf (2015, 2, 16)->isFramed());
}

TEST_F (CalendarFixture, SelectionAfterADaylightSavingChangeIsStillFramed)
{
    calendar.setDate (juce::Time (2015, 2, 30, 9, 0, 0, 0, true));
    ASSERT_NE (calendar.getSelectedCell(), nullptr);
    EXPECT_EQ (calendar.getSelectedCell()->getText(), "30");
}

TEST_F (CalendarFixture, HolidaysRecurEveryYearAndShowTheirNameOnHover)
{
    calendar.setDate (calendarMakeDate (2030, 11, 10));
    auto* christmas = cellOf (2030, 11, 25);
    ASSERT_NE (christmas, nullptr);
    EXPECT_EQ (christmas->getTextColour(), juce::Colours::white);
    EXPECT_EQ (christmas->getBackgroundColour(), juce::Colours::red);
    calendar.colouredTextEntered (christmas, wtest::mouseAt (*christmas, 2, 2));
    EXPECT_EQ (calendar.getDescriptionLabel().getText(), "Bozic");
    EXPECT_TRUE (christmas->isFramed());
    calendar.colouredTextExited (christmas, wtest::mouseAt (*christmas, 2, 2));
    EXPECT_EQ (calendar.getDescriptionLabel().getText(), "");
    EXPECT_FALSE (christmas->isFramed());

    auto* newYear = cellOf (2031, 0, 1);   // faded, on the next month's part of the page
    ASSERT_NE (newYear, nullptr);
    EXPECT_EQ (newYear->getBackgroundColour().withAlpha (1.0f), juce::Colour (0xff00008b));
    EXPECT_EQ (newYear->getDescription(), "Novo leto");
}

TEST_F (CalendarFixture, MonthAndYearButtonsWrap)
{
    calendar.setDate (calendarMakeDate (2018, 11, 5));
    calendar.buttonClicked (&calendar.getNextMonthButton());
    EXPECT_EQ (calendar.getShownMonth(), calendarMakeDate (2018, 0, 1));
    calendar.buttonClicked (&calendar.getPreviousMonthButton());
    EXPECT_EQ (calendar.getShownMonth(), calendarMakeDate (2018, 11, 1));
    EXPECT_EQ (calendar.getSelectedDate(), calendarMakeDate (2018, 11, 5));   // stepping never selects

    calendar.setYear (3000);
    calendar.buttonClicked (&calendar.getNextYearButton());
    EXPECT_EQ (calendar.getShownMonth().getYear(), 1600);
    calendar.buttonClicked (&calendar.getPreviousYearButton());
    EXPECT_EQ (calendar.getShownMonth().getYear(), 3000);

    calendar.buttonClicked (&calendar.getTodayButton());
    EXPECT_EQ (calendar.getSelectedDate(), calendarNoonOf (juce::Time::getCurrentTime()));
}

TEST_F (CalendarFixture, WheelOverTheLabelsStepsMonthsAndYears)
{
    calendar.setDate (calendarMakeDate (2020, 0, 10));
    calendar.colouredTextWheelMoved (&calendar.getYearLabel(), wtest::mouseAt (calendar.getYearLabel(), 1, 1), 0.0f, 0.5f);
    EXPECT_EQ (calendar.getShownMonth().getYear(), 2021);
    calendar.colouredTextWheelMoved (&calendar.getYearLabel(), wtest::mouseAt (calendar.getYearLabel(), 1, 1), 0.0f, 0.0f);
    EXPECT_EQ (calendar.getShownMonth().getYear(), 2020);
    calendar.colouredTextWheelMoved (&calendar.getMonthLabel(), wtest::mouseAt (calendar.getMonthLabel(), 1, 1), -0.3f, 0.0f);
    EXPECT_EQ (calendar.getShownMonth(), calendarMakeDate (2020, 11, 1));
    calendar.colouredTextWheelMoved (&calendar.getDayCell (3), wtest::mouseAt (calendar.getDayCell (3), 1, 1), 0.0f, 1.0f);
    EXPECT_EQ (calendar.getShownMonth(), calendarMakeDate (2020, 11, 1));
    calendar.monthMenuChosen (3);
    EXPECT_EQ (calendar.getShownMonth(), calendarMakeDate (2020, 2, 1));
    calendar.monthMenuChosen (0);   // menu dismissed
    EXPECT_EQ (calendar.getShownMonth(), calendarMakeDate (2020, 2, 1));
}

TEST_F (CalendarFixture, ClickingDaysSelectsTurnsThePageAndReportsTheClick)
{
    calendar.setDate (calendarMakeDate (2015, 2, 15));
    recorder.events.clear();

    press (*cellOf (2015, 2, 15));   // already selected
    EXPECT_EQ (recorder.events, juce::StringArray ({ "dayClicked" }));

    recorder.events.clear();
    press (*cellOf (2015, 2, 20));
    EXPECT_EQ (recorder.events, juce::StringArray ({ "dateSelected", "dayClicked" }));
    EXPECT_TRUE (cellOf (2015, 2, 20)->isFramed());
    EXPECT_FALSE (cellOf (2015, 2, 15)->isFramed());

    recorder.events.clear();
    press (*cellOf (2015, 3, 2));   // a faded April day turns the page
    EXPECT_EQ (recorder.events, juce::StringArray ({ "monthChanging 2015-04-01", "monthChanged", "dateSelected", "dayClicked" }));
    EXPECT_EQ (calendar.getShownMonth(), calendarMakeDate (2015, 3, 1));
    EXPECT_EQ (calendar.getSelectedDate(), calendarMakeDate (2015, 3, 2));

    recorder.events.clear();
    calendar.setDate (calendarMakeDate (2016, 0, 7));
    EXPECT_EQ (recorder.events, juce::StringArray ({ "yearChanging 2016-04-01", "monthChanging 2015-01-01",
                                                     "yearChanged", "monthChanged", "dateSelected" }));
}

TEST_F (CalendarFixture, AVetoKeepsTheMonthAndTheSelection)
{
    calendar.setDate (calendarMakeDate (2015, 2, 15));
    recorder.allowMonth = false;
    press (*cellOf (2015, 1, 23));
    EXPECT_EQ (calendar.getShownMonth(), calendarMakeDate (2015, 2, 1));
    EXPECT_EQ (calendar.getSelectedDate(), calendarMakeDate (2015, 2, 15));
    calendar.setMonth (6);
    EXPECT_EQ (calendar.getShownMonth(), calendarMakeDate (2015, 2, 1));

    recorder.allowYear = false;
    calendar.setYear (2016);
    EXPECT_EQ (calendar.getShownMonth().getYear(), 2015);
}

TEST_F (CalendarFixture, YearEditorTakesFourDigitsAndRefusesYearsItCannotShow)
{
    calendar.setDate (calendarMakeDate (2015, 2, 15));

    auto& editor = calendar.getYearEditor();
    EXPECT_FALSE (editor.isVisible());
    calendar.colouredTextDoubleClicked (&calendar.getYearLabel(), wtest::mouseAt (calendar.getYearLabel(), 2, 2));
    EXPECT_TRUE (editor.isVisible());
    EXPECT_EQ (editor.getText(), "2015");

    typeAfresh (editor, "2x01y7");
    EXPECT_EQ (editor.getText(), "2017");
    pressKey (editor, juce::KeyPress::returnKey);
    EXPECT_FALSE (editor.isVisible());
    EXPECT_EQ (calendar.getShownMonth(), calendarMakeDate (2017, 2, 1));

    struct Case { const char* typed; const char* kept; };
    for (const auto& c : { Case { "99999", "9999" }, Case { "0", "0" }, Case { "", "" }, Case { "1599", "1599" } })
    {
        calendar.colouredTextDoubleClicked (&calendar.getYearLabel(), wtest::mouseAt (calendar.getYearLabel(), 2, 2));
        typeAfresh (editor, c.typed);
        EXPECT_EQ (editor.getText(), c.kept);
        pressKey (editor, juce::KeyPress::returnKey);
        EXPECT_EQ (calendar.getShownMonth(), calendarMakeDate (2017, 2, 1)) << c.typed;

        auto* alert = currentAlert();
        ASSERT_NE (alert, nullptr) << c.typed;
        EXPECT_EQ (alert->getName(), "Napaka") << c.typed;
        juce::ModalComponentManager::getInstance()->cancelAllModalComponents();
        juce::MessageManager::getInstance()->runDispatchLoopUntil (10);
    }

    calendar.colouredTextDoubleClicked (&calendar.getYearLabel(), wtest::mouseAt (calendar.getYearLabel(), 2, 2));
    typeAfresh (editor, "1999");
    pressKey (editor, juce::KeyPress::escapeKey);
    EXPECT_FALSE (editor.isVisible());
    EXPECT_EQ (calendar.getShownMonth().getYear(), 2017);
}

TEST_F (CalendarFixture, LayoutOfTheDateButtonsPopup)
{
    calendar.resized();
    // margins 20 and 4, cells 37 wide, rows 24 high
    EXPECT_EQ (calendar.getDayCell (0).getBounds(), juce::Rectangle<int> (20, 4 + 2 * 24, 37, 24));
    EXPECT_EQ (calendar.getDayCell (41).getBounds(), juce::Rectangle<int> (20 + 6 * 37, 4 + 7 * 24, 37, 24));
    EXPECT_EQ (calendar.getYearLabel().getBounds(), juce::Rectangle<int> (44, 4, 48, 24));
    EXPECT_EQ (calendar.getNextMonthButton().getBounds(), juce::Rectangle<int> (256, 4, 24, 24));
    EXPECT_EQ (calendar.getTodayButton().getBounds(), juce::Rectangle<int> (20, 4 + 8 * 24, 24, 24));
    EXPECT_FLOAT_EQ (calendar.getDayCell (0).getFont().getHeight(), 24 * 0.7f);
}
