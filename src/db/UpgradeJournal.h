#pragma once
// The journal an upgrade run writes through. A rollback journal flushes the disk several times at
// every commit, and the chain commits once per step; for the length of a run the database keeps
// a write-ahead log instead, written with the flush only at its end. Every step still commits on
// its own: a process killed anywhere leaves the last committed step, and a power cut at worst
// loses the latest steps, which the next start runs again.
// The file's user_version carries a mark while the run has switched the mode, so a run that was
// cut off before it could switch back is set right at the next start: the database a user keeps
// ends in the journal mode it had. A database whose user_version holds a value of its own keeps
// its mode and its value, and the run flushes at every step as before.
#include "db/UpgradeRun.h"

#include <juce_core/juce_core.h>

struct sqlite3;

namespace vindoro
{
class UpgradeJournal
{
public:
    /** user_version while the run has put the database into write-ahead mode. */
    static constexpr int kRunMark = 0x56574C31;

    /** Opens a connection of its own on the database named in the settings and keeps it for the
        run's length, so the steps' connections leave the write-ahead log in place when they
        close; switches a rollback-journal database to write-ahead mode and tells the run so. */
    explicit UpgradeJournal (UpgradeRun& run);
    /** Puts back the rollback journal the database had, with everything the run committed. */
    ~UpgradeJournal();

    UpgradeJournal (const UpgradeJournal&) = delete;
    UpgradeJournal& operator= (const UpgradeJournal&) = delete;

    /** For start-up, before anything else reads or copies the file: a database left in the
        run's write-ahead mode by a run that was cut off gets its rollback journal back. True when
        nothing was left to set right or it was set right. */
    static bool restoreAfterCutOffRun();

private:
    UpgradeRun& run;
    sqlite3* keeper = nullptr;
    bool restoreOnEnd = false;

    void holdLog();
};
} // namespace vindoro
