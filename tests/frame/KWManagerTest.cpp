// The window manager: finishing tracked windows, deleting them on a later message, and
// restacking what remains newest on top with the focus where the user left it.
#include "support/WindowTestParts.h"
#include "frame/KWManager.h"
#include "frame/VindorWindow.h"
#include "platform/gui/DesktopStacking.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <X11/Xlib.h>

namespace
{
using wtest::pump;

/** Owns a plain desktop component the way a window callback owns its window. */
struct OwningCallback : KWManager::Callback
{
    OwningCallback (std::vector<int>& finished, int& deleted) : finished (finished), deleted (deleted)
    {
        window.setSize (200, 100);
        window.addToDesktop (juce::ComponentPeer::windowHasTitleBar);
        window.setVisible (true);
    }
    ~OwningCallback() override { ++deleted; }
    void kwFinished (int value) override { finished.push_back (value); }

    std::vector<int>& finished;
    int& deleted;
    juce::Component window;
};

TEST (KWManager, CallbackForAnUnregisteredComponentIsDeletedAtOnce)
{
    std::vector<int> finished;
    int deleted = 0;
    auto* callback = new OwningCallback (finished, deleted);
    KWManager::getInstance()->attachCallback (&callback->window, callback);
    EXPECT_EQ (deleted, 1);
    EXPECT_TRUE (finished.empty());

    const int before = KWManager::getInstance()->getNumKWindows();
    KWManager::getInstance()->registerKWindow (nullptr);
    KWManager::getInstance()->attachCallback (nullptr, nullptr);
    EXPECT_EQ (KWManager::getInstance()->getNumKWindows(), before);
}

TEST (KWManager, TwoWindowsEndedInOneCallbackGoInOneUpdate)
{
    vtest::LogCapture log;
    std::vector<int> finished;
    int deleted = 0;
    auto* manager = KWManager::getInstance();
    const int before = manager->getNumKWindows();

    auto* first = new OwningCallback (finished, deleted);
    auto* second = new OwningCallback (finished, deleted);
    for (auto* cb : { first, second })
    {
        manager->registerKWindow (&cb->window);
        manager->attachCallback (&cb->window, cb);
    }
    EXPECT_EQ (manager->getNumKWindows(), before + 2);
    EXPECT_EQ (manager->getKWindow (0), &second->window);
    EXPECT_EQ (manager->getKWindow (1), &first->window);
    EXPECT_EQ (manager->getKWindow (before + 2), nullptr);

    manager->endKWindow (&first->window, 5);
    manager->endKWindow (&second->window, 3);
    EXPECT_EQ (manager->getNumKWindows(), before);
    EXPECT_EQ (deleted, 0) << "deletion waits for a later message";

    pump();
    EXPECT_EQ (deleted, 2);
    EXPECT_EQ (finished, (std::vector<int> { 3, 5 }));
    int updates = 0;
    for (auto& line : log.lines())
        updates += line.contains ("<KWManager::handleAsyncUpdate> tukaj") ? 1 : 0;
    EXPECT_EQ (updates, 1);
}

TEST (KWManager, HidingAWindowFinishesItAndDeletingItFinishesToo)
{
    std::vector<int> finished;
    int deleted = 0;
    auto* manager = KWManager::getInstance();
    const int before = manager->getNumKWindows();

    auto* hidden = new OwningCallback (finished, deleted);
    manager->registerKWindow (&hidden->window);
    manager->attachCallback (&hidden->window, hidden);
    hidden->window.setVisible (false);
    EXPECT_EQ (manager->getNumKWindows(), before);
    pump();
    EXPECT_EQ (deleted, 1);

    // A component deleted behind the manager's back ends its item too; the item never touches it.
    auto component = std::make_unique<juce::Component>();
    component->setSize (100, 100);
    component->addToDesktop (0);
    component->setVisible (true);
    manager->registerKWindow (component.get());
    EXPECT_EQ (manager->getNumKWindows(), before + 1);
    component.reset();
    EXPECT_EQ (manager->getNumKWindows(), before);
    pump();
}

/** The X stacking order of the given windows, bottom first, as the server reports it. */
std::vector<juce::Component*> stackingOrder (const std::vector<juce::Component*>& windows)
{
    std::vector<juce::Component*> order;
    Display* display = XOpenDisplay (nullptr);
    if (display == nullptr)
        return order;
    ::Window root, parent, *children = nullptr;
    unsigned int count = 0;
    XQueryTree (display, DefaultRootWindow (display), &root, &parent, &children, &count);
    for (unsigned int i = 0; i < count; ++i)
        for (auto* w : windows)
            if (auto* peer = w->getPeer(); peer != nullptr && (::Window) (juce::pointer_sized_uint) peer->getNativeHandle() == children[i])
                order.push_back (w);
    if (children != nullptr)
        XFree (children);
    XCloseDisplay (display);
    return order;
}

class KWManagerStacking : public ::testing::Test
{
protected:
    VindorWindow* open (const juce::String& title, wtest::RecordingContent* content)
    {
        opener.clearButtons();
        opener.addButton ("Close", 0);
        return VindorWindow::launchNormal (title, content, &opener, &opener);
    }

    vtest::TestSettings settings;
    wtest::RecordingOpener opener;
};

TEST_F (KWManagerStacking, ClosingTheNewestBringsTheNextToFrontAndKeepsTheOldestBehind)
{
    auto* oldest = open ("Najstarejse", new wtest::RecordingContent());
    auto* middle = open ("Srednje", new wtest::RecordingContent());
    auto* newest = open ("Najnovejse", new wtest::RecordingContent());
    pump (100);
    DesktopStacking::raise (*oldest); // the user clicked the oldest meanwhile
    pump (100);
    EXPECT_EQ (stackingOrder ({ oldest, middle, newest }).back(), oldest);

    newest->closeKW();
    pump (100);

    EXPECT_EQ (stackingOrder ({ oldest, middle }), (std::vector<juce::Component*> { oldest, middle }));
    EXPECT_EQ (KWManager::getInstance()->getKWindow (0), middle);
    EXPECT_TRUE (middle->isActiveWindow() || middle->hasKeyboardFocus (true));

    middle->closeKW();
    oldest->closeKW();
    pump();
}

TEST_F (KWManagerStacking, AWindowBackInFrontGetsItsCellEditorFocusedAgain)
{
    vtest::LogCapture log;
    auto* browserContent = new wtest::RecordingContent();
    auto* editor = new juce::TextEditor();
    browserContent->addAndMakeVisible (editor);
    editor->setBounds (10, 10, 100, 24);
    auto* browser = open ("Brskalnik", browserContent);
    auto* editorWindow = open ("Urejevalnik", new wtest::RecordingContent());
    pump (100);
    browserContent->lastEditor = editor;

    editorWindow->closeKW();
    pump (100);

    EXPECT_EQ (browserContent->lastEditor.getComponent(), nullptr);
    EXPECT_TRUE (log.contains ("<KWManager::bringKWindowToFront> imam celo m_kf"));
    EXPECT_TRUE (log.contains ("<KWManager::bringKWindowToFront> pozabim na last editor"));
    EXPECT_TRUE (editor->hasKeyboardFocus (false));

    browser->closeKW();
    pump();
    delete editor; // the test content does not own its children
}
} // namespace
