#pragma once
// The month calendar popup of the date button: a six-week page of one month with year and month
// stepping, a jump to today and day picking; listeners hear picks and may veto page turns.
// Owned by its opener; the settings it is given must outlive it.
#include "widgets/CalendarSettings.h"
#include "widgets/ColouredTextComponent.h"
#include "widgets/StaticGradientComponent.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

class CalendarComponent;

class CalendarComponentListener
{
public:
    virtual ~CalendarComponentListener() = default;
    virtual void dayEntered (CalendarComponent*, ColouredTextComponent*, const juce::MouseEvent&) {}
    virtual void dayExited (CalendarComponent*, ColouredTextComponent*, const juce::MouseEvent&) {}
    virtual void dayClicked (CalendarComponent*, ColouredTextComponent*, const juce::MouseEvent&) {}
    virtual void dateSelected (CalendarComponent*) {}
    virtual bool monthChanging (CalendarComponent*, juce::Time) { return true; }
    virtual void monthChanged (CalendarComponent*) {}
    virtual bool yearChanging (CalendarComponent*, juce::Time) { return true; }
    virtual void yearChanged (CalendarComponent*) {}
};

class CalendarComponent : public juce::Component,
                          public juce::Button::Listener,
                          public ColouredTextComponentListener,
                          public juce::TextEditor::Listener
{
public:
    CalendarComponent (const juce::String& name, CalendarSettings* settings);
    ~CalendarComponent() override;

    void addListener (CalendarComponentListener* listener);

    juce::Time getSelectedDate() const { return selectedDate; }
    juce::Time getShownMonth() const { return shownMonth; }
    void setDate (juce::Time t);
    void setMonth (int month);
    void setYear (int year);

    void setBackgroundColour (juce::Colour c);
    void setHeaderColour (juce::Colour c);
    void setShowHeader (bool show);
    juce::Colour getBackgroundColour() const { return backgroundColour; }
    juce::Colour getHeaderColour() const { return headerColour; }
    bool getShowHeader() const { return showHeader; }

    bool isDayCell (juce::Component* c) const;

    void resized() override;
    void paint (juce::Graphics& g) override;
    void buttonClicked (juce::Button* b) override;
    void colouredTextEntered (ColouredTextComponent*, const juce::MouseEvent&) override;
    void colouredTextExited (ColouredTextComponent*, const juce::MouseEvent&) override;
    void colouredTextPressed (ColouredTextComponent*, const juce::MouseEvent&) override;
    void colouredTextWheelMoved (ColouredTextComponent*, const juce::MouseEvent&, float deltaX, float deltaY) override;
    void colouredTextDoubleClicked (ColouredTextComponent*, const juce::MouseEvent&) override;
    void textEditorTextChanged (juce::TextEditor&) override {}
    void textEditorReturnKeyPressed (juce::TextEditor&) override;
    void textEditorEscapeKeyPressed (juce::TextEditor&) override;
    void textEditorFocusLost (juce::TextEditor&) override;

    // The parts, for the date button and for tests that drive the calendar.
    ColouredTextComponent& getYearLabel() { return *yearLabel; }
    ColouredTextComponent& getMonthLabel() { return *monthLabel; }
    ColouredTextComponent& getDescriptionLabel() { return *descriptionLabel; }
    ColouredTextComponent& getWeekdayCell (int i) { return *weekdayCells[i]; }
    ColouredTextComponent& getDayCell (int i) { return *dayCells[i]; }
    ColouredTextComponent* getSelectedCell() const { return selectedCell; }
    juce::TextEditor& getYearEditor() { return *yearEditor; }
    juce::Button& getPreviousYearButton() { return *prevYear; }
    juce::Button& getNextYearButton() { return *nextYear; }
    juce::Button& getPreviousMonthButton() { return *prevMonth; }
    juce::Button& getNextMonthButton() { return *nextMonth; }
    juce::Button& getTodayButton() { return *today; }

    /** Chooses month n (1..12) as the month label's menu does. */
    void monthMenuChosen (int item);

private:
    CalendarSettings* settings;
    juce::Time shownMonth, selectedDate;
    ColouredTextComponent* selectedCell = nullptr;
    juce::Colour backgroundColour { juce::Colours::white };
    juce::Colour headerColour { 0xffd3d3d3 };
    bool showHeader = false;
    int marginX = 15, marginY = 5;
    int rowHeight = 0;
    juce::Array<CalendarComponentListener*> listeners;

    std::unique_ptr<ColouredTextComponent> yearLabel, monthLabel, descriptionLabel;
    juce::OwnedArray<ColouredTextComponent> weekdayCells, dayCells;
    std::unique_ptr<juce::TextEditor> yearEditor;
    std::unique_ptr<juce::ImageButton> prevYear, nextYear, prevMonth, nextMonth, today;
    std::unique_ptr<StaticGradientComponent> line1, line2, line3;

    void updateDays();
    void selectDate (ColouredTextComponent* cell);
    void hideYearEditor();

    JUCE_DECLARE_NON_COPYABLE (CalendarComponent)
};
