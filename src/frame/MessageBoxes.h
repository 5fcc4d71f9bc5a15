#pragma once
// The program's message boxes and progress windows. Owned by the application shell; every
// modal question goes through here, so that a registered ModalAnswerer (tests) answers it in
// place of a person. With no answerer the real synchronous JUCE alert windows are shown.
#include <juce_gui_basics/juce_gui_basics.h>

#include <vector>

namespace vindoro
{
/** Icon kinds of the program's boxes, as the framework numbers them. */
enum MessageBoxIcon
{
    kIconNone = 0,
    kIconQuestion = 1,
    kIconWarning = 2,
    kIconInformation = 3
};

/** One modal question as a person would see it: icon, title, message and the buttons in order.
    Texts arrive translated; the result codes are what the asking code receives back. */
struct ModalQuestion
{
    struct Button
    {
        juce::String text;  // already translated
        int result;         // what the box returns when this button is chosen
    };

    int icon = kIconNone;
    juce::String title;
    juce::String message;
    std::vector<Button> buttons;
    int escapeResult = 0;   // what Escape (or closing the box) returns
};

/** Stands in for the person in front of the screen: answers modal questions and runs the
    threads that would run behind modal progress windows. Registered with setModalAnswerer. */
class ModalAnswerer
{
public:
    virtual ~ModalAnswerer() = default;

    /** The result code of the chosen button, or the question's escapeResult. */
    virtual int answer (const ModalQuestion& question) = 0;

    /** Runs the thread without its window and returns what runThread would: true when the
        thread ended by itself, false when it was cancelled. This one never cancels; it keeps
        the message loop turning while it waits, as the modal loop would. */
    virtual bool runProgress (juce::ThreadWithProgressWindow& thread, juce::Thread::Priority priority);
};

/** Registers the answerer (not owned); nullptr brings back the real windows. Main thread only. */
void setModalAnswerer (ModalAnswerer* answerer);
ModalAnswerer* getModalAnswerer();

/** Shows any modal question (answerer or a real alert window) and returns the chosen result.
    Main thread only. */
int askModalQuestion (const ModalQuestion& question, juce::Component* owner);

/** Runs a progress-window thread: through the answerer when one is registered, else the
    framework's modal runThread. True when the thread ended without a cancel. */
bool runProgressWindow (juce::ThreadWithProgressWindow& thread,
                        juce::Thread::Priority priority = juce::Thread::Priority::normal);
} // namespace vindoro

/** A modal box with one button, the translation of "OK"; Return or Escape also close it.
    Title and message are translated by the caller. */
void showMessageOK (int icon, const juce::String& title, const juce::String& message, juce::Component* owner = nullptr);

/** A modal box with the translations of "Yes", "No" and "Cancel": returns 1, 2 or 0 (Cancel or
    Escape). The first letters of Yes and No are shortcut keys. */
int askYesNoCancel (int icon, const juce::String& title, const juce::String& message, juce::Component* owner = nullptr);

/** A modal question box with the translations of "OK" and "Cancel": true for OK; Escape is Cancel.
    Title and message are translated by the caller. */
bool askOkCancel (const juce::String& title, const juce::String& message, juce::Component* owner = nullptr);
