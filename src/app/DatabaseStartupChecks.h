#pragma once
// The start-up block that makes sure the database can be used: it must be readable and at the
// schema this program knows (a backup is offered and the upgrade and maintenance runners run
// when it is older), and the settings must name a valid user, premise, register and company.
// Owned by start-up; it never opens the program on a database it could not bring to version 37.
#include <juce_core/juce_core.h>

class DatabaseStartupChecks
{
public:
    static constexpr int kSchemaVersion = 37;
    static constexpr int kMaintenanceLevel = 3;
    /** The party-kind bit of a user of the program. */
    static constexpr int kUserBit = 1;

    enum class Outcome
    {
        goOn,   // start-up continues with the look-and-feel and the main window
        quit    // the user has been told why; the caller ends the program and opens no window
    };

    /** Runs the checks on the database named by "dbfilename"; message boxes go through the
        program's message-box layer, the backup file through DatabaseFileChooser. */
    static Outcome run();
};
