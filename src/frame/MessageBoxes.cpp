#include "frame/MessageBoxes.h"

namespace vindoro
{
namespace
{
ModalAnswerer* registeredAnswerer = nullptr;

juce::MessageBoxIconType iconType (int icon)
{
    switch (icon)
    {
        case kIconQuestion: return juce::MessageBoxIconType::QuestionIcon;
        case kIconWarning: return juce::MessageBoxIconType::WarningIcon;
        case kIconInformation: return juce::MessageBoxIconType::InfoIcon;
        default: return juce::MessageBoxIconType::NoIcon;
    }
}

// The first letter of a button text, in lower case, as its shortcut key.
juce::KeyPress shortcutFor (const juce::String& text)
{
    return text.isEmpty() ? juce::KeyPress() : juce::KeyPress ((int) juce::CharacterFunctions::toLowerCase (text[0]));
}
} // namespace

bool ModalAnswerer::runProgress (juce::ThreadWithProgressWindow& thread, juce::Thread::Priority priority)
{
    thread.startThread (priority);
    while (thread.isThreadRunning())
        juce::MessageManager::getInstance()->runDispatchLoopUntil (5);
    thread.threadComplete (false);
    return true;
}

void setModalAnswerer (ModalAnswerer* answerer) { registeredAnswerer = answerer; }
ModalAnswerer* getModalAnswerer() { return registeredAnswerer; }

int askModalQuestion (const ModalQuestion& question, juce::Component* owner)
{
    JUCE_ASSERT_MESSAGE_THREAD
    if (registeredAnswerer != nullptr)
        return registeredAnswerer->answer (question);

    juce::AlertWindow box (question.title, question.message, iconType (question.icon), owner);
    juce::KeyPress firstShortcut;
    for (size_t i = 0; i < question.buttons.size(); ++i)
    {
        const auto& b = question.buttons[i];
        if (question.buttons.size() > 1 && i < 2)
        {
            auto key = shortcutFor (b.text);
            if (i == 0)
                firstShortcut = key;
            if (i == 1 && key == firstShortcut)
                key = juce::KeyPress();
            box.addButton (b.text, b.result, key);
        }
        else
        {
            box.addButton (b.text, b.result);
        }
    }
    const int result = box.runModalLoop();
    // Escape and the window's close button leave the modal loop with 0.
    if (result == 0)
    {
        for (const auto& b : question.buttons)
            if (b.result == 0)
                return 0;
        return question.escapeResult;
    }
    return result;
}

bool runProgressWindow (juce::ThreadWithProgressWindow& thread, juce::Thread::Priority priority)
{
    JUCE_ASSERT_MESSAGE_THREAD
    if (registeredAnswerer != nullptr)
        return registeredAnswerer->runProgress (thread, priority);
    return thread.runThread (priority);
}
} // namespace vindoro

void showMessageOK (int icon, const juce::String& title, const juce::String& message, juce::Component* owner)
{
    vindoro::ModalQuestion q;
    q.icon = icon;
    q.title = title;
    q.message = message;
    q.buttons = { { TRANS ("OK"), 1 } };
    q.escapeResult = 0;
    vindoro::askModalQuestion (q, owner);
}

int askYesNoCancel (int icon, const juce::String& title, const juce::String& message, juce::Component* owner)
{
    vindoro::ModalQuestion q;
    q.icon = icon;
    q.title = title;
    q.message = message;
    q.buttons = { { TRANS ("Yes"), 1 }, { TRANS ("No"), 2 }, { TRANS ("Cancel"), 0 } };
    q.escapeResult = 0;
    return vindoro::askModalQuestion (q, owner);
}

bool askOkCancel (const juce::String& title, const juce::String& message, juce::Component* owner)
{
    vindoro::ModalQuestion q;
    q.icon = vindoro::kIconQuestion;
    q.title = title;
    q.message = message;
    q.buttons = { { TRANS ("OK"), 1 }, { TRANS ("Cancel"), 0 } };
    q.escapeResult = 0;
    return vindoro::askModalQuestion (q, owner) == 1;
}
