#include "widgets/CalendarButtonPropertyComponent.h"
#include "core/Log.h"
#include "widgets/CalendarDates.h"

namespace
{
const juce::String kTypedDateFormat ("DD-MM-YYYY");
constexpr int kPopupWidth = 300;
constexpr int kPopupHeight = 225;
constexpr int kEdgeGap = 2;

bool withoutModifiers (const juce::KeyPress& key)
{
    const auto m = key.getModifiers();
    return ! (m.isShiftDown() || m.isCtrlDown() || m.isAltDown());
}
} // namespace

CalendarButtonPropertyComponent::CalendarButtonPropertyComponent (const juce::String& name,
                                                                  juce::Component* openerComponent, int dateMode)
    : VindorButtonPropertyComponent (name), mode (dateMode), opener (openerComponent)
{
    settings = std::make_unique<CalendarSettings>();

    setDateTime (juce::Time::getCurrentTime());
    dateSet = false;
    popupHidden = true;

    settings->setSundayColours (juce::Colour (0xffff0000), juce::Colours::white.withAlpha ((juce::uint8) 0));
    settings->markDate (calendarMakeDate (0, 11, 25), TRANS ("Bozic"), juce::Colours::white, juce::Colours::red);
    settings->markDate (calendarMakeDate (0, 0, 1), TRANS ("Novo leto"), juce::Colours::white, juce::Colour (0xff00008b));

    popupEnabled = true;
    refresh();
}

CalendarButtonPropertyComponent::~CalendarButtonPropertyComponent()
{
    if (popup != nullptr)
    {
        if (auto* parent = popup->getParentComponent())
            parent->removeChildComponent (popup.get());
        popup.reset();
    }
}

void CalendarButtonPropertyComponent::setButtonText (const juce::String& text)
{
    buttonText = text;
    refresh();
}

void CalendarButtonPropertyComponent::showDate (juce::Time t)
{
    buttonText = t.formatted (TRANS ("%Y-%m-%d"));
    refresh();
}

void CalendarButtonPropertyComponent::setDateTime (juce::Time t)
{
    date = t;
    DateTime dt;
    dt.time = t;
    dt.dateOnly = false;
    value = dt.toString();
    showDate (date);
    dateSet = true;
}

void CalendarButtonPropertyComponent::setDateText (juce::String text)
{
    DateTime dt;
    dt = text;
    setDateTime (dt.time);
}

DateTime CalendarButtonPropertyComponent::getDateTime() const
{
    DateTime dt;
    dt.dateOnly = false;

    if (dateSet)
    {
        dt.time = date;
        vindoro::vlog ("CalendarButtonPropertyComponent::getDateTime", "Datum v kolendarju je nastavljen na:" + dt.toString());
    }
    else
    {
        dt.time = juce::Time::getCurrentTime();
        vindoro::vlog ("CalendarButtonPropertyComponent::getDateTime",
                       "Datum v kolendarju ni nastavljen vzamemo trenutni:" + dt.toString());
    }

    return dt;
}

bool CalendarButtonPropertyComponent::keyPressed (const juce::KeyPress& key)
{
    if (key.getKeyCode() == 0)
    {
        vindoro::vlog ("CalendarButtonPropertyComponent::keyPressed", "WARNING: invalid key pressed");
        return false;
    }

    closePopup (false);

    const bool plain = withoutModifiers (key);
    const bool isTab = key.getKeyCode() == juce::KeyPress::tabKey;

    if ((isTab || key.getKeyCode() == juce::KeyPress::returnKey) && plain)
    {
        if (typedText.isNotEmpty() && ! DateTime::isValidFormattedText (typedText, kTypedDateFormat))
            typedText.clear();
    }
    else if (key.getKeyCode() == juce::KeyPress::escapeKey && plain)
    {
        typedText.clear();
    }
    else if ((key.getKeyCode() == juce::KeyPress::backspaceKey || key.getKeyCode() == juce::KeyPress::deleteKey) && plain)
    {
        typedText = typedText.dropLastCharacters (1);
    }
    else if (key.getTextCharacter() != 0)
    {
        typedText += juce::String::charToString (key.getTextCharacter());
    }

    if (typedText.isNotEmpty())
        setButtonText (">" + typedText + "<");
    else
        showDate (date);

    // The date is taken as soon as the typed text is complete, without Return.
    if (typedText.isNotEmpty() && DateTime::isValidFormattedText (typedText, kTypedDateFormat))
    {
        DateTime typed;
        typed.setFromFormattedText (typedText, kTypedDateFormat);
        typedText.clear();
        setDateTime (typed.time);
    }

    return ! (isTab && plain);
}

juce::Component* CalendarButtonPropertyComponent::popupHost() const
{
    return opener.getComponent();
}

void CalendarButtonPropertyComponent::buttonClicked()
{
    if (! popupEnabled)
        return;

    if (! popupHidden && popup != nullptr)
    {
        closePopup (true);
        return;
    }

    popup.reset();
    popup = std::make_unique<CalendarComponent> ("calendar", settings.get());
    popup->setShowHeader (true);
    popup->setHeaderColour (juce::Colour (0xff90ee90).brighter (0.4f));
    popup->setBackgroundColour (juce::Colour (0xffffffe0));
    popupHidden = false;

    auto* host = popupHost();

    if (host == nullptr)
    {
        // Without an opener the calendar goes into the window that holds the row.
        const juce::Rectangle<int> bounds (0, 0, kPopupWidth, kPopupHeight);
        vindoro::vlog ("CalendarButtonPropertyComponent::buttonClicked", "ERROR: todo setting bounds:" + bounds.toString());
        host = getTopLevelComponent();
        if (host == this)
            host = nullptr;
    }

    if (host != nullptr)
    {
        const int w = juce::jmin (kPopupWidth, host->getWidth() - 4);
        const int h = juce::jmin (kPopupHeight, host->getHeight() - 4);

        auto* buttonPart = getNumChildComponents() > 0 ? getChildComponent (0) : static_cast<juce::Component*> (this);
        const auto b = host->getLocalArea (buttonPart, buttonPart->getLocalBounds());

        const int x = juce::jmax (kEdgeGap, b.getX() + b.getWidth() / 2 - w / 2);
        int y = b.getBottom();
        if (y + h > host->getHeight())
            y = host->getHeight() - h - kEdgeGap;

        popup->setBounds (x, y, w, h);
        host->addAndMakeVisible (*popup);
        vindoro::vlog ("CalendarButtonPropertyComponent::buttonClicked", "bounds:" + popup->getBounds().toString());
    }

    popup->setDate (date);
    // Only now, so that showing the button's own day does not count as a pick.
    popup->addListener (this);
}

void CalendarButtonPropertyComponent::closePopup (bool deletePopup)
{
    if (popupHidden || popup == nullptr)
        return;

    if (auto* parent = popup->getParentComponent())
    {
        auto* buttonPart = getNumChildComponents() > 0 ? getChildComponent (0) : static_cast<juce::Component*> (this);
        const int bh = buttonPart->getHeight();
        const auto r = popup->getBounds();
        juce::Desktop::getInstance().getAnimator().animateComponent (popup.get(), { r.getX(), r.getY() - bh, r.getWidth(), bh },
                                                                     0.0f, 200, true, 0.0, 1.0);
        parent->removeChildComponent (popup.get());
    }

    if (deletePopup)
        popup.reset();

    popupHidden = true;
}

void CalendarButtonPropertyComponent::dateSelected (CalendarComponent* calendar)
{
    if (calendar == nullptr || calendar != popup.get())
        return;

    DateTime picked;
    picked.time = calendar->getSelectedDate();
    DateTime withClock;
    withClock = picked.withCurrentTime();
    setDateTime (withClock.time);

    // A right click picks the day and leaves the calendar open.
    if (! juce::ModifierKeys::currentModifiers.isRightButtonDown())
        closePopup (false);
}

void CalendarButtonPropertyComponent::dayClicked (CalendarComponent* calendar, ColouredTextComponent*, const juce::MouseEvent& e)
{
    if (calendar == nullptr)
        return;

    if (calendar == popup.get() && e.mods.isRightButtonDown())
        return;

    closePopup (false);
}
