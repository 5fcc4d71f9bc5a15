// The main window under Xvfb: its board, its place in the window manager and the close button
// that closes the board's windows before the program quits.
#include "support/WindowTestParts.h"
#include "app/IntroScreen.h"
#include "frame/KWManager.h"
#include "app/MainContentComponent.h"
#include "app/MainWindowCallback.h"
#include "frame/VindorWindow.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using wtest::pump;

TEST (MainWindowTest, CloseButtonClosesTheBoardsWindowsFirst)
{
    vtest::TestSettings settings;
    vtest::LogCapture log;
    juce::StringArray journal;

    auto* callback = new MainWindowCallback ("Vindoro (Ana)");
    auto& window = callback->getWindow();
    pump();
    EXPECT_EQ (window.getName(), "Vindoro (Ana)");
    EXPECT_TRUE (window.isShowing());
    EXPECT_TRUE (window.isUsingNativeTitleBar());
    ASSERT_NE (window.getContent(), nullptr);
    EXPECT_EQ (window.getContentComponent(), window.getContent());
    EXPECT_NE (window.getContent()->getIntroScreen(), nullptr) << "the board opens covered by the intro";
    EXPECT_TRUE (log.contains ("<VindorApplication::MainWindowCallback::MainWindowCallback> launching mainwindow. name:Vindoro (Ana)"));

    auto* board = window.getContent();
    juce::Array<KWindowRef> children;
    for (auto name : { "a", "b", "c" })
        children.add (VindorWindow::launchNormal (name, new wtest::RecordingContent (&journal, name), board, board));
    pump();

    window.closeButtonPressed();
    const auto lines = log.lines();
    int started = -1, done = -1;
    for (int i = 0; i < lines.size(); ++i)
    {
        if (lines[i].contains ("<VindorApplication::MainWindow::closeButtonPressed> staring here in main")) started = i;
        if (lines[i].contains ("<VindorApplication::MainWindow::closeButtonPressed> done here in main")) done = i;
    }
    ASSERT_GE (started, 0);
    ASSERT_GT (done, started);
    EXPECT_EQ (journal, juce::StringArray ({ "prepareToClose:a", "prepareToClose:b", "prepareToClose:c" }));
    pump();
    for (auto& child : children)
        EXPECT_EQ (child.get(), nullptr) << "every board window is gone";

    // The window manager finishes the main window like any other when it closes.
    KWManager::getInstance()->endKWindow (&window, 0);
    pump();
    EXPECT_TRUE (log.contains ("<VindorApplication::MainWindowCallback::kwFinished> finishing with mainwindow. Return code:0"));
}
