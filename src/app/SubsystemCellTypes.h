#pragma once
// Gives the cell formatter the column types the subsystems own (document and item kinds, account
// numbers). The program calls it first thing at start-up, the test and benchmark programs before
// their first browser: the widget kit itself knows no subsystem.

void registerSubsystemCellTypes();
