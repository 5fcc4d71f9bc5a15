#pragma once
// The program's one top-level window, holding the main board. Owned by MainWindowCallback, which
// the window manager owns; its close button closes every window opened from the board, then quits.
#include <juce_gui_basics/juce_gui_basics.h>

class MainContentComponent;

class MainWindow final : public juce::DocumentWindow
{
public:
    static constexpr juce::uint32 kBackground = 0xFFD3D3D3;

    explicit MainWindow (const juce::String& title);
    ~MainWindow() override;

    void closeButtonPressed() override;

    MainContentComponent* getContent() const { return content; }

private:
    MainContentComponent* content = nullptr;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainWindow)
};
