#pragma once
// The button bar that is the content of every framework window: the content action above a
// row of buttons built from the opener's list. Owns the action and the buttons; a click sets
// the exit value, runs the action, asks what to do when it fails, and closes when it is done.
#include "frame/ButtonRecord.h"

#include <juce_gui_basics/juce_gui_basics.h>

class VindorWindowAction;

class Gumbi : public juce::Component,
              public juce::Button::Listener
{
public:
    Gumbi (const juce::String& title, VindorWindowAction* action);
    ~Gumbi() override;

    bool keyPressed (const juce::KeyPress& key) override;
    void resized() override;
    void buttonClicked (juce::Button* button) override;

    void createButton (const juce::String& label, int code, const juce::KeyPress& shortcut1, const juce::KeyPress& shortcut2);
    /** The button at that position from the left; null outside the bar. */
    juce::TextButton* getButton (int position);
    /** Whether the opener's list held the code, action-only records included. */
    bool hasButton (int code) const;

    int getNumButtons() const { return buttons.size(); }
    VindorWindowAction* getAction() const { return action.get(); }

    /** The layout of a button row: each button's bounds for its natural width, centred when they
        fit, shrunk in proportion when they do not. */
    static juce::Array<juce::Rectangle<int>> layoutButtonRow (juce::Rectangle<int> row, const juce::Array<int>& naturalWidths);

    int exitValue = ButtonCode::cancel;

private:
    juce::Array<ButtonRecord> records;
    juce::String title;
    juce::OwnedArray<juce::TextButton> buttons;
    std::unique_ptr<VindorWindowAction> action;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Gumbi)
};
