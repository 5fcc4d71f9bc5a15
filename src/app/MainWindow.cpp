#include "app/MainWindow.h"

#include "core/Globals.h"
#include "core/Log.h"
#include "app/MainContentComponent.h"

using namespace juce;

MainWindow::MainWindow (const String& title)
    : DocumentWindow (title, Colour (kBackground), DocumentWindow::allButtons, true)
{
    String resources;
    if (auto* settings = getUserSettings())
        resources = settings->getValue ("resourcespath", {});
    const auto icon = ImageCache::getFromFile (File (resources + "/logo.png"));
    if (icon.isValid())
        setIcon (icon);

    setUsingNativeTitleBar (true);
    content = new MainContentComponent();
    setContentOwned (content, true);
    centreWithSize (getWidth(), getHeight());
    setResizable (true, false);
    setVisible (true);
}

MainWindow::~MainWindow()
{
    clearContentComponent();
}

void MainWindow::closeButtonPressed()
{
    if (content != nullptr)
    {
        vindoro::vlog ("VindorApplication::MainWindow::closeButtonPressed", "staring here in main");
        content->closeAllChildWindows();
        vindoro::vlog ("VindorApplication::MainWindow::closeButtonPressed", "done here in main");
    }

    if (auto* app = JUCEApplicationBase::getInstance())
        app->systemRequestedQuit();
}
