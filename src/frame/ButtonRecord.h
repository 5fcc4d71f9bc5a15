#pragma once
// One button of a child window as its opener describes it before the launch. Kept in the
// opener's button list; the window's button bar writes back the button it created, which stays
// reachable only while that window exists (the pointer clears itself when the button goes).
#include <juce_gui_basics/juce_gui_basics.h>

/** Button codes that every window and opener share. 17 is never a button: it is the exit value
    of an action that no window shows. */
namespace ButtonCode
{
constexpr int cancel = 0;
constexpr int ok = 1;
constexpr int cancelAsk = 2;
constexpr int edit = 3;
constexpr int saveItem = 4;
constexpr int remove = 5;
constexpr int insert = 6;
constexpr int select = 7;
constexpr int print = 8;
constexpr int preview = 9;
constexpr int searchArticle = 10;
constexpr int businessRegister = 11;
constexpr int refresh = 12;
constexpr int transferNote = 13;
constexpr int transferNote2 = 14;
constexpr int exportTable = 15;
constexpr int history = 16;
constexpr int noWindow = 17;
} // namespace ButtonCode

struct ButtonRecord
{
    juce::String label;        // already translated by the opener
    bool visible = true;
    bool actionOnly = false;   // the window accepts the code but shows no button for it
    int code = 0;
    int index = 0;             // the record's own position in the opener's list, once created
    juce::Component::SafePointer<juce::TextButton> button;
};
