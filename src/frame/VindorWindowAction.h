#pragma once
// The content side of every framework window: turns button codes into actions, answers the
// opener, and keeps the windows opened from it so they close with it. Owned by the window's
// button bar; childWindows and myWindow are weak, so a deleted window only leaves a null entry.
#include "frame/KWindow.h"

#include <juce_gui_basics/juce_gui_basics.h>

class VindorWindowSetup;
class VindorPrintSettings;
class myPrint;

class VindorWindowAction
{
public:
    VindorWindowAction() = default;
    virtual ~VindorWindowAction();

    virtual bool buttonAction (int code);
    virtual bool okAction();
    virtual bool cancelAction();
    virtual bool cancelActionAsk();
    virtual bool editAction();
    virtual bool insertAction();
    virtual bool previewAction();
    /** The print loop: prints every copy through printReport with the dialog's settings. */
    virtual bool printAction (VindorPrintSettings* settings);
    virtual bool printAction();
    /** Lays out the document; with output null only counts its pages. Returns the page count. */
    virtual int printReport (juce::Rectangle<int> area, myPrint& printer, VindorPrintSettings& settings,
                             myPrint* output, int totalPages);
    virtual bool searchAction();
    /** Called once when the window closes; windows store their last choices here. */
    virtual void prepareToClose();
    virtual void notifyKWindowListener();
    /** The row a browser content has picked, handed to its opener after Select; null for any
        other content. The record browser answers with its selected row. */
    virtual juce::XmlElement* getSelectedRow() { return nullptr; }

    void setDoneFlag (bool done) { doneFlag = done; }
    void setErrorMessage (const juce::String& message) { errorMessage = message; }
    int getExitValue();
    void setExitValue (int code);
    bool hasSelectButton();
    void closeAllChildWindows();
    juce::Component* getLastEditor();

    /** The windows opened from this action that still exist, in launch order. */
    juce::Array<KWindow*> getChildWindows();
    void addChildWindow (KWindow* child);
    void removeChildWindow (KWindow* child);

    // The in-cell editor a browser of this window opened last; focused again when the window
    // comes back to the front.
    juce::Component::SafePointer<juce::Component> lastEditor;
    juce::Array<KWindowRef> childWindows;
    KWindowRef myWindow;
    juce::WeakReference<VindorWindowSetup> opener;
    bool doneFlag = false;
    juce::String errorMessage;

private:
    void forgetDeletedChildren();

    JUCE_DECLARE_NON_COPYABLE (VindorWindowAction)
};
