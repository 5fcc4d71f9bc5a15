#pragma once
// The frame every schema or maintenance step runs in: its opening and closing log lines, one
// query object and one transaction for the whole step, failed statements counted for the run,
// the table rebuilds, and the version (or level) row written last. A step that cannot finish
// safely (or a process killed inside it) leaves the database at the previous version, untouched.
#include "db/UpgradeRun.h"

#include <juce_core/juce_core.h>

#include <functional>
#include <memory>
#include <vector>

class DbTransaction;
class SQLtoXml;

namespace vindoro
{
class SchemaStep
{
public:
    enum class Kind { schema, maintenance };

    /** Logs the opening line, creates the step's query object and begins its transaction. */
    SchemaStep (UpgradeRun& run, const juce::String& stepName, int from, int to, Kind kind = Kind::schema);
    /** Ends the step (finish) if the step did not. */
    ~SchemaStep();

    SchemaStep (const SchemaStep&) = delete;
    SchemaStep& operator= (const SchemaStep&) = delete;

    /** Runs a statement without result rows; a failure is counted for the run and the step goes on
        (a failed statement does not end SQLite's transaction). Nothing runs once the run has been
        stopped, nor after the database ended the transaction on its own, which stops the run. */
    bool exec (const juce::String& sql);
    /** Like exec, for a statement whose failure is expected on many databases (a table made again
        that usually exists): still logged by the query object, but not counted as a failure. */
    bool execTolerated (const juce::String& sql);

    /** The step's query object, for row queries and one-value queries. */
    SQLtoXml& db();
    UpgradeRun& getRun() { return run; }
    bool stopped() const { return run.isAborted(); }

    /** One log line under the step's name. */
    void log (const juce::String& message) const;

    /** Form B: move the table aside as <table>tmp, create it again, copy the rows; only when the
        copy worked is the moved table dropped. When the copy fails the run is stopped and the
        step's transaction puts everything back. `afterCopy` runs between copy and drop. */
    bool rebuildMovingAside (const juce::String& table, const juce::String& createSql,
                             const juce::String& copySql, const std::function<void()>& afterCopy = {});

    /** The stored CREATE text of a table (empty when there is none). */
    juce::String storedCreateText (const juce::String& table);

    /** Work outside the database (a user setting naming a row the step made) that must happen
        only once the step is committed. */
    void afterCommit (std::function<void()> action);

    /** Writes the version or level row and commits (unless the run was stopped: then the step is
        rolled back), releases the query object (which closes the connection) and logs the
        closing line. */
    void finish();

    /** Leaves without the closing statement and line, undoing the step: it was stopped at a checkpoint. */
    void leaveEarly();

    /** A text value as an SQL literal: quotes doubled and enclosed in single quotes. */
    static juce::String quoted (const juce::String& text);
    /** The text with every single quote doubled. */
    static juce::String escaped (const juce::String& text);

private:
    UpgradeRun& run;
    juce::String name;
    int target;
    Kind kind;
    std::unique_ptr<SQLtoXml> query;
    std::unique_ptr<DbTransaction> transaction;
    std::vector<std::function<void()>> committedActions;
    bool done = false;

    bool runChecked (const juce::String& sql, bool counted);
    void endTransaction (bool keep);
};
} // namespace vindoro
