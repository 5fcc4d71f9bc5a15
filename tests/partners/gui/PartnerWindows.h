#pragma once
// Driving the partner windows under a real X server: clicks on table rows and on buttons,
// the child window a picker keeps, and closing every window a test left open.
#include "frame/KWManager.h"
#include "frame/VindorWindow.h"
#include "support/WidgetTestSupport.h"
#include "support/WindowTestParts.h"
#include "widgets/PregledBaze.h"

#include <gtest/gtest.h>

namespace ptest
{
inline void pump (int ms = 60) { juce::MessageManager::getInstance()->runDispatchLoopUntil (ms); }

inline int openWindows()
{
    auto* manager = KWManager::getInstanceWithoutCreating();
    return manager != nullptr ? manager->getNumKWindows() : 0;
}

inline void closeAllWindows()
{
    for (int i = 0; i < 20 && openWindows() > 0; ++i)
    {
        if (auto* w = dynamic_cast<KWindow*> (KWManager::getInstance()->getKWindow (0)))
            w->closeKW();
        pump (30);
    }
    pump (30);
}

inline VindorWindow* childOf (VindorWindowSetup& opener) { return dynamic_cast<VindorWindow*> (opener.currentChild.get()); }

template <typename Browser>
Browser* contentOf (KWindow* w)
{
    return w != nullptr ? dynamic_cast<Browser*> (w->getAction()) : nullptr;
}

/** A mouse click (press and release) on a table row, as the person does it; two clicks in a row
    make a double click. */
inline void clickRow (PregledBaze& browser, int row, int clicks = 1)
{
    auto& table = browser.getTable();
    table.scrollToEnsureRowIsOnscreen (row);
    pump (30);   // the rows on screen follow the scroll
    auto* rowComponent = table.getComponentForRowNumber (row);
    ASSERT_NE (rowComponent, nullptr) << "row " << row << " is not on screen";
    const int x = table.getHeader().getColumnPosition (0).getCentreX();
    for (int n = 1; n <= clicks; ++n)
    {
        const auto e = wtest::mouseAt (*rowComponent, x, rowComponent->getHeight() / 2, n);
        rowComponent->mouseDown (e);
        rowComponent->mouseUp (e);
    }
    pump (30);
}

/** Clicks the button of a window's bar with this caption. */
inline void press (KWindow* window, const juce::String& caption)
{
    auto* w = dynamic_cast<VindorWindow*> (window);
    ASSERT_NE (w, nullptr);
    for (int i = 0; i < 10; ++i)
        if (auto* b = w->getButton (i); b != nullptr && b->getButtonText() == caption)
        {
            b->triggerClick();
            pump (100);
            return;
        }
    FAIL() << "no button " << caption;
}

/** The captions of a window's visible buttons, in the order of the opener's list (the bar holds
    them last first). */
inline juce::StringArray buttonsOf (KWindow* window)
{
    juce::StringArray captions;
    if (auto* w = dynamic_cast<VindorWindow*> (window))
        for (int i = 0; i < 10; ++i)
            if (auto* b = w->getButton (i); b != nullptr && b->isVisible())
                captions.insert (0, b->getButtonText());
    return captions;
}

/** The first button among a component's children (a picker row's own button). */
inline juce::Button* firstButtonIn (juce::Component& c)
{
    for (auto* child : c.getChildren())
        if (auto* b = dynamic_cast<juce::Button*> (child))
            return b;
    return nullptr;
}

/** Clicks a picker row's own button. */
inline void clickButtonOf (juce::Component& row)
{
    auto* b = firstButtonIn (row);
    ASSERT_NE (b, nullptr);
    b->triggerClick();
    pump (100);
}

/** The texts of one column of a browser's rows, in the order shown. */
inline juce::StringArray columnOf (PregledBaze& browser, const char* name)
{
    juce::StringArray out;
    for (int i = 0; auto* row = browser.rowAt (i); ++i)
        out.add (row->getStringAttribute (name));
    return out;
}
} // namespace ptest
