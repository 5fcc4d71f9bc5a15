#pragma once
// The window manager's handle on the main window: holds the window itself, so both live and die
// together. Owned by KWManager once registered; created once per run by the start-up.
#include "frame/KWManager.h"
#include "app/MainWindow.h"

class MainWindowCallback final : public KWManager::Callback
{
public:
    explicit MainWindowCallback (const juce::String& title);
    ~MainWindowCallback() override;

    void kwFinished (int returnValue) override;

    MainWindow& getWindow() { return window; }

private:
    MainWindow window;

    JUCE_DECLARE_NON_COPYABLE (MainWindowCallback)
};
