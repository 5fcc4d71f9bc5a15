#include "frame/Gumbi.h"
#include "frame/KWindow.h"
#include "core/Log.h"
#include "frame/LookAndFeel_Vindor.h"
#include "frame/MessageBoxes.h"
#include "frame/VindorWindow.h"
#include "frame/VindorWindowAction.h"
#include "frame/VindorWindowSetup.h"

namespace
{
constexpr int kBarMargin = 2;
constexpr int kButtonGap = 4;
constexpr float kShrunkMarginShare = 0.25f;
constexpr float kContentGapRows = 0.3f;

} // namespace

Gumbi::Gumbi (const juce::String& windowTitle, VindorWindowAction* contentAction)
    : title (windowTitle), action (contentAction)
{
    exitValue = ButtonCode::cancel;

    if (action != nullptr && action->opener != nullptr)
    {
        auto& list = action->opener->buttonList;
        int focusOrder = 2;

        for (int i = list.size(); --i >= 0;)
        {
            auto& record = list.getReference (i);
            records.add (record);

            if (record.actionOnly)
                continue;

            createButton (record.label, record.code, {}, {});
            auto* button = buttons.getLast();
            button->setVisible (record.visible);
            record.index = i;
            record.button = button;
            record.actionOnly = false;
            button->setExplicitFocusOrder (focusOrder++);

            vindoro::vlog ("Gumbi::Gumbi", "creating button " + record.label + ", command: " + juce::String (record.code)
                                               + ", idx: " + juce::String (i) + " focus order:"
                                               + juce::String (button->getExplicitFocusOrder()));
        }
    }
    else
    {
        vindoro::vlog ("Gumbi::Gumbi", "WARNING KWindow parent has not setup information - using OK and Cancel buttons only");
        createButton (TRANS ("OK"), ButtonCode::ok, {}, {});
        createButton (TRANS ("Cancel"), ButtonCode::cancel, {}, {});
    }

    if (auto* content = dynamic_cast<juce::Component*> (action.get()))
    {
        addAndMakeVisible (content);
        content->setExplicitFocusOrder (1);
        vindoro::vlog ("Gumbi::Gumbi", "making visible " + content->getName() + ", focus order:"
                                           + juce::String (content->getExplicitFocusOrder()));
    }

    setSize (300, 200);
}

Gumbi::~Gumbi()
{
    vindoro::vlog ("Gumbi::~Gumbi", "**********Closing window:" + title + "****************");

    if (auto* content = dynamic_cast<juce::Component*> (action.get()))
        removeChildComponent (content);
    action.reset();

    for (int i = buttons.size(); --i >= 0;)
        buttons.remove (i);
    records.clear();
}

bool Gumbi::keyPressed (const juce::KeyPress& key)
{
    vindoro::vlog ("Gumbi::keyPressed", "INFO key pressed:" + juce::String ((juce::uint32) key.getTextCharacter()));
    return false;
}

void Gumbi::createButton (const juce::String& label, int code, const juce::KeyPress& shortcut1, const juce::KeyPress& shortcut2)
{
    auto* button = buttons.add (new juce::TextButton (label));
    button->setName (label);
    button->setWantsKeyboardFocus (true);
    button->setMouseClickGrabsKeyboardFocus (false);
    button->setCommandToTrigger (nullptr, code, false);

    if (shortcut1.isValid())
        button->addShortcut (shortcut1);
    if (shortcut2.isValid())
        button->addShortcut (shortcut2);

    button->addListener (this);
    button->changeWidthToFitText (defaultRowHeight());
    addAndMakeVisible (button, 0);
}

juce::TextButton* Gumbi::getButton (int position)
{
    vindoro::vlog ("Gumbi::getButton", "idex of button " + juce::String (position));
    return juce::isPositiveAndBelow (position, buttons.size()) ? buttons.getUnchecked (position) : nullptr;
}

bool Gumbi::hasButton (int code) const
{
    for (auto& record : records)
        if (record.code == code)
            return true;
    return false;
}

juce::Array<juce::Rectangle<int>> Gumbi::layoutButtonRow (juce::Rectangle<int> row, const juce::Array<int>& naturalWidths)
{
    juce::Array<juce::Rectangle<int>> bounds;
    const int count = naturalWidths.size();
    if (count == 0)
        return bounds;

    int needed = kButtonGap * (count - 1);
    for (auto w : naturalWidths)
        needed += w;

    const int rowWidth = row.getWidth();
    const int margin = needed > rowWidth ? (int) (kShrunkMarginShare / (float) count * (float) rowWidth)
                                         : (rowWidth - needed) / 2;
    const float scale = (float) (rowWidth - 2 * margin) / (float) needed;
    const int gap = (int) ((float) kButtonGap * scale);

    int x = row.getX() + margin;
    for (auto w : naturalWidths)
    {
        const int width = (int) ((float) w * scale);
        bounds.add ({ x, row.getY(), width, row.getHeight() });
        x += width + gap;
    }
    return bounds;
}

void Gumbi::resized()
{
    auto area = getLocalBounds().reduced (kBarMargin);
    const int rowHeight = defaultRowHeight();

    if (! buttons.isEmpty())
    {
        auto row = area.removeFromBottom (rowHeight);

        juce::Array<int> widths;
        for (auto* button : buttons)
            widths.add (getLookAndFeel().getTextButtonWidthToFitText (*button, rowHeight));

        const auto placed = layoutButtonRow (row, widths);
        for (int i = 0; i < buttons.size(); ++i)
            buttons.getUnchecked (i)->setBounds (placed.getReference (i));

        area.removeFromBottom ((int) (kContentGapRows * (float) rowHeight));
    }

    if (auto* content = dynamic_cast<juce::Component*> (action.get()))
        content->setBounds (area);
}

void Gumbi::buttonClicked (juce::Button* clicked)
{
    int found = -1;
    for (int i = buttons.size(); --i >= 0;)
        if (buttons.getUnchecked (i) == clicked)
        {
            found = i;
            break;
        }
    if (found < 0 || action == nullptr)
        return;

    const int code = clicked->getCommandID();
    auto* window = dynamic_cast<VindorWindow*> (getParentComponent());
    vindoro::vlog ("Gumbi::buttonClicked", "button id:" + juce::String (code) + " name:" + clicked->getName() + " window:'"
                                               + (window != nullptr ? window->getName() : juce::String ("unknown"))
                                               + "' action:clicked");

    // The bar may be deleted only by a later message; a pointer guard still keeps us honest if
    // an action pumps the message loop (a modal question) and the window goes meanwhile.
    juce::Component::SafePointer<Gumbi> self (this);

    exitValue = code;
    bool handled = action->buttonAction (code);

    while (! handled)
    {
        if (self == nullptr)
            return;

        const auto text = TRANS ("Error occured: ") + action->errorMessage + ".\n" + TRANS ("Do you wish to fix this error?");
        const int answer = askYesNoCancel (vindoro::kIconWarning, TRANS ("Napaka"), text, this);
        if (self == nullptr)
            return;

        if (answer != 2)
        {
            vindoro::vlog ("Gumbi::buttonClicked", "going back to fix the problem");
            return;
        }

        exitValue = ButtonCode::cancel;
        handled = action->buttonAction (ButtonCode::cancel);
    }

    if (self == nullptr)
        return;

    vindoro::vlog ("Gumbi::buttonClicked", "Maybe now should close");
    if (action->doneFlag)
    {
        vindoro::vlog ("Gumbi::buttonClicked", "now should close");
        if (auto* kw = dynamic_cast<KWindow*> (getParentComponent()))
        {
            vindoro::vlog ("Gumbi::buttonClicked", "closing window and doing important stuff here");
            kw->closeKW();
        }
    }
}
