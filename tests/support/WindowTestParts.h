#pragma once
// Small real windows for the window tests: a content that records which action ran and can be
// told to fail, an opener that records every answer its children give, a bar button found by its
// caption, and the closing of every window a test left open.
#include "frame/KWManager.h"
#include "frame/Gumbi.h"
#include "frame/KWindow.h"
#include "frame/VindorWindow.h"
#include "frame/VindorWindowAction.h"
#include "frame/VindorWindowSetup.h"
#include "support/WidgetTestSupport.h"

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

namespace wtest
{
/** The windows the window manager tracks now. */
inline int openWindowCount()
{
    auto* manager = KWManager::getInstanceWithoutCreating();
    return manager != nullptr ? manager->getNumKWindows() : 0;
}

/** Closes every window the manager still tracks, pumping `ms` after each, so nothing a test opened
    outlives it (a window that refuses to close is given up after twenty tries). */
inline void closeOpenWindows (int ms = 30)
{
    for (int i = 0; i < 20 && openWindowCount() > 0; ++i)
    {
        if (auto* w = dynamic_cast<KWindow*> (KWManager::getInstance()->getKWindow (0)))
            w->closeKW();
        pump (ms);
    }
    pump (ms);
}

/** The button of the window's bar with this caption, or null. */
inline juce::TextButton* windowButton (VindorWindow& window, const juce::String& caption)
{
    if (auto* bar = window.getButtonBar())
        for (int i = 0; i < bar->getNumButtons(); ++i)
            if (auto* b = bar->getButton (i); b != nullptr && b->getButtonText() == caption)
                return b;
    return nullptr;
}

class RecordingContent : public juce::Component,
                         public VindorWindowAction
{
public:
    explicit RecordingContent (juce::StringArray* journal = nullptr, juce::String name = "content")
        : journal (journal)
    {
        setName (name);
        setSize (320, 160);
    }

    bool okAction() override          { note ("ok"); return failOk ? fail() : VindorWindowAction::okAction(); }
    bool cancelAction() override      { note ("cancel"); return failCancel ? fail() : VindorWindowAction::cancelAction(); }
    bool cancelActionAsk() override   { note ("cancelAsk"); return VindorWindowAction::cancelActionAsk(); }
    bool editAction() override        { note ("edit"); return VindorWindowAction::editAction(); }
    bool insertAction() override      { note ("insert"); return VindorWindowAction::insertAction(); }
    bool previewAction() override     { note ("preview"); return VindorWindowAction::previewAction(); }
    bool printAction() override       { note ("print"); return VindorWindowAction::printAction(); }
    using VindorWindowAction::printAction;
    bool searchAction() override      { note ("search"); return VindorWindowAction::searchAction(); }
    void prepareToClose() override    { note ("prepareToClose:" + getName()); }
    void notifyKWindowListener() override { ++notifications; VindorWindowAction::notifyKWindowListener(); }

    void paint (juce::Graphics& g) override
    {
        g.fillAll (juce::Colours::white);
        g.setColour (juce::Colours::darkblue);
        g.drawText ("Vsebina okna", getLocalBounds(), juce::Justification::centred);
    }

    juce::StringArray called;
    int notifications = 0;
    bool failOk = false, failCancel = false;

private:
    bool fail() { errorMessage = "manjka kupec"; return false; }
    void note (const juce::String& what)
    {
        called.add (what);
        if (journal != nullptr)
            journal->add (what);
    }
    juce::StringArray* journal;
};

class RecordingOpener : public juce::Component,
                        public VindorWindowSetup
{
public:
    struct Answer
    {
        KWindow* source;
        int exitValue;
    };

    void changeListenerCallback (juce::ChangeBroadcaster* source) override
    {
        auto* kw = dynamic_cast<KWindow*> (source);
        answers.push_back ({ kw, kw != nullptr ? kw->getExitValue() : -1 });
        if (onAnswer)
            onAnswer (kw);
    }

    std::vector<Answer> answers;
    std::function<void (KWindow*)> onAnswer;
};

/** An opener that is also the content of a window, so windows launched from it are its children. */
class OpenerContent : public RecordingContent,
                      public VindorWindowSetup
{
public:
    using RecordingContent::RecordingContent;
    void changeListenerCallback (juce::ChangeBroadcaster*) override { ++answers; }
    int answers = 0;
};
/** Types the text into the row of that caption (a text row or a slider's value box), as the
    keyboard does, leaves the row and pumps `settleMs` so value listeners have run. A multi-line
    row is left without Return, which would start a new line. */
inline void typeIntoRow (juce::Component& content, const juce::String& caption, const juce::String& text, int settleMs = 30)
{
    auto* row = findChild<juce::PropertyComponent> (content, [&caption] (juce::PropertyComponent& p) { return p.getName() == caption; });
    ASSERT_NE (row, nullptr) << caption;
    auto* label = findChild<juce::Label> (*row);
    ASSERT_NE (label, nullptr) << caption;
    label->showEditor();
    auto* editor = label->getCurrentTextEditor();
    ASSERT_NE (editor, nullptr) << caption;
    editor->setText (text, true);
    if (editor->isMultiLine())
        label->hideEditor (false);
    else
        editor->keyPressed (juce::KeyPress (juce::KeyPress::returnKey));
    pump (settleMs);
}
} // namespace wtest
