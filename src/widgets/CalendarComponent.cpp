#include "widgets/CalendarComponent.h"
#include "widgets/CalendarDates.h"
#include "widgets/VindorPropertyPanel.h"

namespace
{
enum class Symbol { minus, plus, ring };

// The buttons' symbol: a disc with a minus, a plus or a ring cut out of it.
juce::Image makeButtonImage (Symbol symbol, float symbolAlpha)
{
    juce::Image image (juce::Image::ARGB, 100, 100, true);
    juce::Graphics g (image);
    g.setColour (juce::Colours::white.withAlpha (0.6f));
    g.fillEllipse (-10.0f, -10.0f, 120.0f, 120.0f);

    juce::Path p;
    p.addEllipse (0.0f, 0.0f, 100.0f, 100.0f);
    p.addRectangle (22.0f, 43.0f, 56.0f, 14.0f);
    if (symbol == Symbol::plus)
    {
        p.addRectangle (43.0f, 22.0f, 14.0f, 21.0f);
        p.addRectangle (43.0f, 57.0f, 14.0f, 21.0f);
    }
    if (symbol == Symbol::ring)
    {
        p.clear();
        p.addEllipse (0.0f, 0.0f, 100.0f, 100.0f);
        p.addEllipse (25.0f, 25.0f, 50.0f, 50.0f);
    }
    p.setUsingNonZeroWinding (false);

    g.setColour (juce::Colours::black.withAlpha (symbolAlpha));
    g.fillPath (p);
    return image;
}

std::unique_ptr<juce::ImageButton> makeButton (Symbol symbol)
{
    auto b = std::make_unique<juce::ImageButton> (TRANS ("caltabs"));
    const auto normal = makeButtonImage (symbol, 0.35f);
    const auto over = makeButtonImage (symbol, 0.8f);
    b->setImages (false, true, true,
                  normal, 1.0f, {},
                  over, 1.0f, {},
                  over, 1.0f, {});
    return b;
}
} // namespace

CalendarComponent::CalendarComponent (const juce::String& name, CalendarSettings* calendarSettings)
    : juce::Component (name), settings (calendarSettings)
{
    yearLabel = std::make_unique<ColouredTextComponent> (TRANS ("Year"));
    monthLabel = std::make_unique<ColouredTextComponent> (TRANS ("Month"));
    descriptionLabel = std::make_unique<ColouredTextComponent> (TRANS ("DescriptionCal"));
    descriptionLabel->setTextColour (juce::Colour (0xff808080));

    for (auto* c : { yearLabel.get(), monthLabel.get(), descriptionLabel.get() })
        addAndMakeVisible (c);

    yearLabel->addListener (this);
    monthLabel->addListener (this);

    for (int i = 0; i < 7; ++i)
        addAndMakeVisible (weekdayCells.add (new ColouredTextComponent (TRANS ("DayOfWeek"))));

    for (int i = 0; i < 42; ++i)
    {
        auto* cell = dayCells.add (new ColouredTextComponent (TRANS ("DayOfMonth")));
        cell->addListener (this);
        addAndMakeVisible (cell);
    }

    yearEditor = std::make_unique<juce::TextEditor> ("yeareditor");
    // At most four digits: a longer number would not be a year the calendar shows anyway.
    yearEditor->setInputRestrictions (4, TRANS ("0123456789"));
    yearEditor->setSelectAllWhenFocused (true);
    yearEditor->addListener (this);
    addChildComponent (*yearEditor);

    prevYear = makeButton (Symbol::minus);
    nextYear = makeButton (Symbol::plus);
    prevMonth = makeButton (Symbol::minus);
    nextMonth = makeButton (Symbol::plus);
    today = makeButton (Symbol::ring);

    for (auto* b : { prevYear.get(), nextYear.get(), prevMonth.get(), nextMonth.get(), today.get() })
    {
        b->addListener (this);
        addAndMakeVisible (b);
    }

    line1 = std::make_unique<StaticGradientComponent> ("line");
    line2 = std::make_unique<StaticGradientComponent> ("line");
    line3 = std::make_unique<StaticGradientComponent> ("line");
    addAndMakeVisible (*line1);
    addAndMakeVisible (*line2);
    addAndMakeVisible (*line3);

    const auto now = juce::Time::getCurrentTime();
    selectedDate = calendarNoonOf (now);
    shownMonth = calendarFirstOfMonth (now);
    updateDays();
}

CalendarComponent::~CalendarComponent()
{
    for (auto* b : { prevYear.get(), nextYear.get(), prevMonth.get(), nextMonth.get(), today.get() })
        b->removeListener (this);
    yearEditor->removeListener (this);
}

void CalendarComponent::addListener (CalendarComponentListener* listener)
{
    listeners.addIfNotAlreadyThere (listener);
}

void CalendarComponent::setBackgroundColour (juce::Colour c)
{
    if (backgroundColour != c)
    {
        backgroundColour = c;
        repaint();
    }
}

void CalendarComponent::setHeaderColour (juce::Colour c)
{
    if (headerColour != c)
    {
        headerColour = c;
        repaint();
    }
}

void CalendarComponent::setShowHeader (bool show)
{
    if (showHeader != show)
    {
        showHeader = show;
        repaint();
    }
}

bool CalendarComponent::isDayCell (juce::Component* c) const
{
    return dayCells.contains (dynamic_cast<ColouredTextComponent*> (c));
}

void CalendarComponent::resized()
{
    const int w = getWidth(), h = getHeight();
    marginX = (int) (w * 0.067);
    marginY = (int) (h * 0.022);
    const int cellW = (w - 2 * marginX) / 7;
    const int rowH = (h - 2 * marginY) / 9;
    rowHeight = rowH;

    int y = marginY;
    prevYear->setBounds (marginX, y, rowH, rowH);
    yearLabel->setBounds (marginX + rowH, y, 2 * rowH, rowH);
    nextYear->setBounds (marginX + 3 * rowH, y, rowH, rowH);
    prevMonth->setBounds (marginX + 5 * rowH, y, rowH, rowH);
    monthLabel->setBounds (marginX + 6 * rowH, y, w - 7 * rowH - 2 * marginX, rowH);
    nextMonth->setBounds (w - marginX - rowH, y, rowH, rowH);
    yearEditor->setBounds (marginX, y, 4 * rowH, rowH);
    yearEditor->setFont (yearLabel->getFont());

    y += rowH;
    for (int k = 0; k < 7; ++k)
        weekdayCells[k]->setBounds (marginX + k * cellW, y, cellW, rowH);

    for (int i = 0; i < 42; ++i)
        dayCells[i]->setBounds (marginX + (i % 7) * cellW, marginY + (2 + i / 7) * rowH, cellW, rowH);

    y = marginY + 8 * rowH;
    today->setBounds (marginX, y, rowH, rowH);
    descriptionLabel->setBounds (marginX + rowH, y, w - 2 * marginX - rowH, rowH);

    line1->setBounds (marginX / 2, marginY + rowH, w - marginX, 1);
    line2->setBounds (marginX / 2, marginY + 2 * rowH - 2, w - marginX, 1);
    line3->setBounds (marginX / 2, marginY + 8 * rowH + 1, w - marginX, 1);
}

void CalendarComponent::paint (juce::Graphics& g)
{
    g.fillAll (backgroundColour);

    if (showHeader && getWidth() > 0)
    {
        const int rowH = rowHeight > 0 ? rowHeight : (getHeight() - 2 * marginY) / 9;
        juce::LookAndFeel_V2::drawGlassLozenge (g, 0.0f, 0.0f, (float) getWidth(), (float) (marginY + rowH),
                                             headerColour, 0.0f, 0.0f, true, true, true, true);
    }
}

void CalendarComponent::updateDays()
{
    yearLabel->setText (juce::String (shownMonth.getYear()));
    monthLabel->setText (settings->getMonthName (shownMonth.getMonth()));

    const int first = settings->getFirstDayOfWeek();
    for (int k = 0; k < 7; ++k)
    {
        const int weekday = (first + k) % 7;
        juce::Colour text, background;
        settings->getWeekdayColours (weekday, text, background);
        weekdayCells[k]->setTextAndColours (settings->getDayName (weekday), text, background);
    }

    selectedCell = nullptr;
    const auto days = calendarMonthGrid (shownMonth, first);

    for (int i = 0; i < 42; ++i)
    {
        const auto day = days[(size_t) i];
        juce::Colour text, background;
        juce::String name;
        settings->getDayStyle (day, text, background, name);

        if (day.getMonth() != shownMonth.getMonth() || day.getYear() != shownMonth.getYear())
        {
            text = text.withMultipliedAlpha (0.2f);
            background = background.withMultipliedAlpha (0.2f);
        }

        auto* cell = dayCells[i];
        const bool isSelected = day == selectedDate;
        cell->setDay (juce::String (day.getDayOfMonth()), text, background, isSelected);
        cell->setDateAndDescription (day, name);

        if (isSelected && selectedCell == nullptr)
            selectedCell = cell;
    }
}

void CalendarComponent::setMonth (int month)
{
    const int m = calendarWrapMonth (month);
    const auto candidate = calendarMakeDate (shownMonth.getYear(), m, 1);

    for (auto* l : listeners)
        if (! l->monthChanging (this, candidate))
            return;

    if (m == shownMonth.getMonth())
        return;

    shownMonth = candidate;
    for (auto* l : listeners)
        l->monthChanged (this);
    updateDays();
}

void CalendarComponent::setYear (int year)
{
    const int y = calendarWrapYear (year);
    const auto candidate = calendarMakeDate (y, shownMonth.getMonth(), 1);

    for (auto* l : listeners)
        if (! l->yearChanging (this, candidate))
            return;

    if (y == shownMonth.getYear())
        return;

    shownMonth = candidate;
    for (auto* l : listeners)
        l->yearChanged (this);
    updateDays();
}

void CalendarComponent::setDate (juce::Time t)
{
    const auto m = calendarFirstOfMonth (t);
    bool yearChangedNow = false, monthChangedNow = false;

    if (m != shownMonth)
    {
        yearChangedNow = t.getYear() != shownMonth.getYear();
        monthChangedNow = t.getMonth() != shownMonth.getMonth();

        if (yearChangedNow)
            for (auto* l : listeners)
                if (! l->yearChanging (this, calendarMakeDate (t.getYear(), shownMonth.getMonth(), 1)))
                    return;

        if (monthChangedNow)
            for (auto* l : listeners)
                if (! l->monthChanging (this, calendarMakeDate (shownMonth.getYear(), t.getMonth(), 1)))
                    return;

        shownMonth = m;

        if (yearChangedNow)
            for (auto* l : listeners)
                l->yearChanged (this);
        if (monthChangedNow)
            for (auto* l : listeners)
                l->monthChanged (this);
    }

    const auto d = calendarNoonOf (t);

    if (d != selectedDate)
    {
        selectedDate = d;
        for (auto* l : listeners)
            l->dateSelected (this);
        updateDays();
    }
    else if (yearChangedNow || monthChangedNow)
    {
        updateDays();
    }
}

void CalendarComponent::selectDate (ColouredTextComponent* cell)
{
    if (cell->getDate() == selectedDate)
        return;

    if (selectedCell != nullptr)
        selectedCell->setFramed (false);

    cell->setFramed (true);
    selectedCell = cell;
    selectedDate = cell->getDate();

    for (auto* l : listeners)
        l->dateSelected (this);
}

void CalendarComponent::buttonClicked (juce::Button* b)
{
    if (b == prevMonth.get())
        setMonth (shownMonth.getMonth() - 1);
    else if (b == nextMonth.get())
        setMonth (shownMonth.getMonth() + 1);
    else if (b == prevYear.get())
        setYear (shownMonth.getYear() - 1);
    else if (b == nextYear.get())
        setYear (shownMonth.getYear() + 1);
    else if (b == today.get())
        setDate (juce::Time::getCurrentTime());
}

void CalendarComponent::colouredTextEntered (ColouredTextComponent* c, const juce::MouseEvent& e)
{
    if (! isDayCell (c))
        return;

    c->setFramed (true);
    descriptionLabel->setText (c->getDescription());
    for (auto* l : listeners)
        l->dayEntered (this, c, e);
}

void CalendarComponent::colouredTextExited (ColouredTextComponent* c, const juce::MouseEvent& e)
{
    if (! isDayCell (c))
        return;

    if (c->getDate() != selectedDate)
        c->setFramed (false);

    descriptionLabel->setText ({});
    for (auto* l : listeners)
        l->dayExited (this, c, e);
}

void CalendarComponent::colouredTextPressed (ColouredTextComponent* c, const juce::MouseEvent& e)
{
    if (c == monthLabel.get())
    {
        juce::PopupMenu menu;
        for (int i = 0; i < 12; ++i)
            menu.addItem (i + 1, settings->getMonthName (i), true, false);

        juce::Component::SafePointer<CalendarComponent> safeThis (this);
        menu.showMenuAsync (juce::PopupMenu::Options().withTargetComponent (monthLabel.get()),
                            [safeThis] (int chosen)
                            {
                                if (safeThis != nullptr)
                                    safeThis->monthMenuChosen (chosen);
                            });
        return;
    }

    if (! isDayCell (c))
        return;

    const auto day = c->getDate();
    if (day.getMonth() == shownMonth.getMonth() && day.getYear() == shownMonth.getYear())
        selectDate (c);
    else
        setDate (day);

    for (auto* l : listeners)
        l->dayClicked (this, c, e);
}

void CalendarComponent::monthMenuChosen (int item)
{
    if (item >= 1 && item <= 12)
        setMonth (item - 1);
}

void CalendarComponent::colouredTextWheelMoved (ColouredTextComponent* c, const juce::MouseEvent&, float deltaX, float deltaY)
{
    const bool forward = deltaX > 0.0f || deltaY > 0.0f;

    if (c == monthLabel.get())
        setMonth (shownMonth.getMonth() + (forward ? 1 : -1));
    else if (c == yearLabel.get())
        setYear (shownMonth.getYear() + (forward ? 1 : -1));
}

void CalendarComponent::colouredTextDoubleClicked (ColouredTextComponent* c, const juce::MouseEvent&)
{
    if (c != yearLabel.get())
        return;

    yearEditor->setText (juce::String (shownMonth.getYear()), false);
    yearEditor->setVisible (true);
    yearEditor->grabKeyboardFocus();
}

void CalendarComponent::hideYearEditor()
{
    yearEditor->setVisible (false);
}

void CalendarComponent::textEditorReturnKeyPressed (juce::TextEditor& editor)
{
    const auto text = editor.getText();
    hideYearEditor();

    // A year that the calendar cannot show is refused, never wrapped or read past four digits.
    if (const auto year = calendarParseYear (text))
        setYear (*year);
    else
        showMessageOKModal (TRANS ("Napaka"), TRANS ("Leto mora biti med 1600 in 3000."), this);
}

void CalendarComponent::textEditorEscapeKeyPressed (juce::TextEditor&)
{
    hideYearEditor();
}

void CalendarComponent::textEditorFocusLost (juce::TextEditor&)
{
    hideYearEditor();
}
