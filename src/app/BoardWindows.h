#pragma once
// Wires the function windows that are built into the program to the main board's buttons and
// gives their registers their editors. Owned by the application shell; called at start-up
// before the main window is made.
namespace vindoro
{
void wireBoardWindows();
}
