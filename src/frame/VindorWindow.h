#pragma once
// The document window every child window of the program is: a button bar (Gumbi) holding the
// content action. Launched normal or modal, closed by closeKW; owned by the callback that
// embeds it, so only the window manager (or the modal manager) ever deletes it.
#include "frame/KWindow.h"

#include <juce_gui_basics/juce_gui_basics.h>

class Gumbi;
class VindorWindowAction;

class VindorWindow : public juce::DocumentWindow,
                     public KWindow
{
public:
    VindorWindow (const juce::String& title, VindorWindowAction* action, juce::Component* parentComponent);
    ~VindorWindow() override;

    /** Opens the content in a tracked, non-modal window; parent and listener are usually the opener. */
    static VindorWindow* launchNormal (const juce::String& title, VindorWindowAction* action,
                                       juce::Component* parentComponent, juce::Component* listenerComponent);
    /** The same in a modal window; returns at once, the modal state only blocks input elsewhere. */
    static VindorWindow* launchModal (const juce::String& title, VindorWindowAction* action,
                                      juce::Component* parentComponent, juce::Component* listenerComponent);

    void closeButtonPressed() override;

    int getExitValue() override;
    void setExitValue (int code) override;
    bool hasButton (int code) override;
    void closeKW() override;
    VindorWindowAction* getAction() override;
    juce::TextButton* getButton (int position) override;

    Gumbi* getButtonBar() const { return buttonBar; }
    const juce::String& getTitle() const { return title; }
    /** The settings key under which a window of this title keeps its position. */
    static juce::String positionKey (const juce::String& title) { return title + ":pos"; }

private:
    juce::Component::SafePointer<juce::Component> parentComponent;
    Gumbi* buttonBar = nullptr;
    juce::String title;

    JUCE_DECLARE_NON_COPYABLE (VindorWindow)
};
