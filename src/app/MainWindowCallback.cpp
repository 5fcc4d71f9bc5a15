#include "app/MainWindowCallback.h"

#include "core/Log.h"

MainWindowCallback::MainWindowCallback (const juce::String& title) : window (title)
{
    vindoro::vlog ("VindorApplication::MainWindowCallback::MainWindowCallback", "launching mainwindow. name:" + title);
    auto* manager = KWManager::getInstance();
    manager->registerKWindow (&window);
    manager->attachCallback (&window, this);
    window.setVisible (true);
    window.grabKeyboardFocus();
}

MainWindowCallback::~MainWindowCallback() = default;

void MainWindowCallback::kwFinished (int returnValue)
{
    vindoro::vlog ("VindorApplication::MainWindowCallback::kwFinished",
                   "finishing with mainwindow. Return code:" + juce::String (returnValue));
}
