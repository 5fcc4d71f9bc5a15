#pragma once
// The main window's content: the board of eleven buttons that open the program's function
// windows, the settings tabs above them and, until its logo is clicked, the intro screen over all.
// Owned by the main window. Only one window opened from the board is tracked at a time.
#include "frame/KWindow.h"
#include "app/MainBoardLayout.h"
#include "frame/VindorWindowAction.h"
#include "frame/VindorWindowSetup.h"

#include <juce_gui_basics/juce_gui_basics.h>

class IntroScreen;
class VindorTabbedComponent;

class MainContentComponent final : public juce::Component,
                                   public juce::Button::Listener,
                                   public VindorWindowAction,
                                   public VindorWindowSetup
{
public:
    /** Opens one function window: (translated title, opener component, opener setup component) -> the window. */
    using Launcher = KWindow* (*) (const juce::String& title, juce::Component* opener, juce::Component* openerSetup);

    /** One button of the board: label key, board code, window title key, the window's buttons and
        how the window is opened (nothing while its subsystem is not built in). */
    struct BoardEntry
    {
        const char* labelKey;
        int code;
        const char* titleKey;
        std::vector<std::pair<const char*, int>> windowButtons;
        Launcher launch = nullptr;
    };

    /** The board's buttons in board order. */
    static const std::vector<BoardEntry>& boardEntries();

    /** True when the function window of a board code is built into this program. */
    static bool isWindowAvailable (int code);

    /** Wires (or with nullptr unwires) the window of a board code; boards built afterwards enable its button. */
    static void setLauncher (int code, Launcher launcher);

    MainContentComponent();
    ~MainContentComponent() override;

    void resized() override;
    void buttonClicked (juce::Button*) override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    /** Removes and deletes the intro screen (once) and reloads the journal list. */
    void removeIntroScreen();
    /** Re-reads the latest journal entries in the "Logs" tab, when that list exists. */
    void reloadJournalList();

    IntroScreen* getIntroScreen() const { return introScreen.get(); }
    VindorTabbedComponent* getTabs() const { return tabs.get(); }
    int getNumButtons() const { return buttons.size(); }
    juce::TextButton* getButton (int index) const { return buttons[index]; }
    /** The window tracked for the button at `index`, or nullptr. */
    KWindow* getOpenWindow (int index) const { return openWindows[index].get(); }

private:
    std::unique_ptr<IntroScreen> introScreen;
    juce::OwnedArray<juce::TextButton> buttons;
    juce::Array<int> buttonCodes;
    juce::Array<KWindowRef> openWindows;
    std::unique_ptr<VindorTabbedComponent> tabs;
    juce::TooltipWindow tooltipWindow;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainContentComponent)
};
