#pragma once
// The query object through which the whole program reaches its SQLite file: it runs SQL text on
// the one process-wide connection and keeps the answer as a row tree ("SQLITE_DATA" / "COLUMNS" /
// "DATA" / "ITEM"). Owned by the data layer. Every statement, connect and disconnect runs under the
// connection's process-wide lock, so no thread ever closes the connection under another's statement.
// It remembers the values each row was loaded with, so a save writes only what the user changed
// and never over a change made meanwhile; rows leave its tree only through its own operations.
#include "db/BoundValue.h"

#include <juce_core/juce_core.h>

#include <memory>
#include <vector>

struct sqlite3_stmt;

class SqlitetoXml
{
public:
    SqlitetoXml();
    /** Wraps a tree it is given (and then owns): such an object never opens or closes the connection. */
    explicit SqlitetoXml (std::unique_ptr<juce::XmlElement> tree);
    /** Closes the process-wide connection unless detached (deferred while a transaction is open). */
    virtual ~SqlitetoXml();

    SqlitetoXml (const SqlitetoXml&) = delete;
    SqlitetoXml& operator= (const SqlitetoXml&) = delete;

    virtual int getNumRows();
    /** The "DATA" element of the result (its "ITEM" children are the rows); null without a result. */
    juce::XmlElement* getData() const { return data; }
    /** The "COLUMNS" element of the result; null without a result. */
    juce::XmlElement* getColumns() const { return columns; }
    /** The root of the last result; owned by this object. */
    juce::XmlElement* getResult() const { return result.get(); }
    bool isDetached() const { return detached; }
    /** Changes whenever the result is replaced or a row leaves it through this object, so that
        anything holding row pointers (a browser's row index) knows they may be freed. */
    juce::uint32 getTreeVersion() const { return treeVersion; }

    /** Makes the tree the result (a previous result is deleted); null clears the result. */
    void attach (std::unique_ptr<juce::XmlElement> tree);
    /** Hands the result over to the caller and leaves the object without one. */
    [[nodiscard]] std::unique_ptr<juce::XmlElement> forgetResult();

    // ---- Connection (process-wide, whatever instance is used)
    bool connect();
    static void disconnect();
    bool ensureConnected();
    static bool isConnected();

    // ---- Statements: only the first statement of a text runs.
    /** Runs the query and keeps its tree as this object's result (returned, owned by the object). */
    juce::XmlElement* sqlQuery (const juce::String& sql);
    /** Runs the query and returns a new tree the caller owns; result, ok and numRows untouched. */
    std::unique_ptr<juce::XmlElement> sqlFetch (const juce::String& sql);
    /** Runs a statement that returns no rows; true on success. */
    bool sqlQueryNA (const juce::String& sql);

    // ---- The same with values bound to the "?" of the text, for text the program did not compose.
    juce::XmlElement* sqlQuery (const juce::String& sql, const std::vector<BoundValue>& values);
    std::unique_ptr<juce::XmlElement> sqlFetch (const juce::String& sql, const std::vector<BoundValue>& values);
    bool sqlQueryNA (const juce::String& sql, const std::vector<BoundValue>& values);

    /** First column of the first row as text; ok tells whether a row was found. */
    juce::String sqlQueryOneValue (const juce::String& sql, bool logSql);
    juce::String sqlQueryString (const juce::String& sql);
    juce::String sqlQueryStringNoLog (const juce::String& sql);
    /** The stored value of the first column of the first row as a 64-bit integer (0 with ok false when none). */
    juce::int64 sqlQueryInt (const juce::String& sql);
    /** The stored value of the first column of the first row as a double (0.0 with ok false when none). */
    double sqlQueryDouble (const juce::String& sql);
    /** Row id of the last successful INSERT on the connection (-1 when it cannot be opened). */
    juce::int64 lastInsertedID();
    /** Runs an INSERT and returns the id of the row it made, read under the statement's own lock
        (never another thread's row); 0 when it failed or made no row. */
    juce::int64 sqlInsert (const juce::String& sql);

    static juce::String sqlEscapeQuotes (const juce::String& text);
    static juce::String sqlStrftime (const juce::String& column, const juce::String& format);

    // ---- Row change tracking and saving
    static void setInserted (juce::XmlElement* row);
    static void setModified (juce::XmlElement* row);
    static bool isInserted (const juce::XmlElement* row);
    static bool isModified (const juce::XmlElement* row);
    /** Which marked rows a save writes. */
    enum SaveParts { insertedRows = 1, modifiedRows = 2, deletedRows = 4, allMarkedRows = 7 };
    /** The one save of marked rows, all of it in one transaction (a savepoint inside a caller's):
        INSERTs for rows marked inserted, UPDATEs for rows marked modified, and for rows marked
        deleted one UPDATE ... SET active=0 (tables with "active") or a DELETE per row. A modified
        row writes only the values that differ from what was loaded, and only while the stored row
        still holds what was loaded for them: otherwise the save is refused, naming the row. Every
        check runs before the first write; a failure undoes every write and leaves the tree as it
        was (flags, ids, rows); only after the commit do new ids, cleared flags and removed rows
        reach the tree. Rows saved, or -3 (no table for the key), -4 (the key has no table column)
        or -1 (a refused value or row, a failed statement or commit; the reason in lastError). */
    struct SaveCounts { int inserted = 0, modified = 0, deleted = 0; };
    int saveMarkedRows (const juce::StringArray& keys, int parts, bool addCount, SaveCounts* counts = nullptr);
    /** The inserted rows of the one save; rows inserted, -3 or -1. */
    int saveInserted (const juce::String& key, bool addCount);
    /** The modified rows of the one save; rows saved (a row without changes counts and runs
        nothing), -3 or -1. */
    int saveModified (const juce::StringArray& keys);
    int saveModified (const juce::String& key);
    int saveModified (const char* key) { return saveModified (juce::String (key)); }
    juce::String getSaveInsertedSQL (const juce::String& key);
    juce::String getSaveModifiedSQL (const juce::StringArray& keys);
    juce::String getSaveModifiedSQL (const juce::String& key);
    juce::String getSaveModifiedSQL (const char* key) { return getSaveModifiedSQL (juce::String (key)); }
    /** Whether a typed-in value suits the type of the result column named `field`. */
    bool checkCompliance (const juce::String& field, const juce::String& value);

    // ---- Database file copies
    /** Copies the database file ("dbfilename") to `target`. */
    static bool backupDatabase (const juce::File& target);
    /** Replaces the database file by a copy of `source`; closes the connection first. */
    static bool restoreDatabase (const juce::File& source);

    /** Set by the query operations and the saves: the last one succeeded. */
    bool ok = false;
    /** Text of the last failure; never cleared by a success. */
    juce::String lastError;

protected:
    std::unique_ptr<juce::XmlElement> result;
    juce::XmlElement* columns = nullptr;
    juce::XmlElement* data = nullptr;
    int numRows = 0;
    bool detached = false;
    juce::uint32 treeVersion = 0;

    /** Points columns, data and numRows at the current result. */
    void takeResultPointers();
    /** A row about to leave the tree: its loaded values are forgotten with it. */
    void forgetLoadedRow (const juce::XmlElement* row);
    /** Runs one statement as sqlQueryNA does, under `method`'s name; reports the rows it really
        changed and the row id it inserted (read under the same lock, so no other thread's INSERT). */
    bool runStatement (const juce::String& method, const juce::String& sql, juce::int64* changes, juce::int64* insertedId);

private:
    struct OneValue;
    struct LoadedValues;
    struct PendingWrite;
    struct SavePlan;
    std::unique_ptr<LoadedValues> loaded;

    bool queryOneValue (const juce::String& sql, bool logSql, OneValue& value);
    /** The rows of a query; with `loadedValues` their values are remembered on the way. */
    std::unique_ptr<juce::XmlElement> fetchRows (const juce::String& sql, const std::vector<BoundValue>* values,
                                                 LoadedValues* loadedValues);
    juce::XmlElement* queryRows (const juce::String& sql, const std::vector<BoundValue>* values);
    /** Remembers the values of a tree that arrived from elsewhere (unmarked rows only). */
    void rememberLoadedValues();
    /** Connects when needed, compiles, binds the values and takes the first step; false
        (statement finalized) on failure. */
    bool prepareAndStep (const juce::String& method, const juce::String& sql, sqlite3_stmt*& statement, int& firstStep,
                         const std::vector<BoundValue>* values = nullptr);
    void failWith (const juce::String& method, const juce::String& error);
    bool runBound (const juce::String& method, const juce::String& sql, const std::vector<BoundValue>* values,
                   juce::int64* changes, juce::int64* insertedId);
    juce::String findTable (const juce::String& key) const;
    /** Finds the tables a save writes; 0, or -3 / -4 as the save returns them. */
    int prepareSave (SavePlan& plan);
    /** Checks every marked row and builds its statement (reading the stored row of an UPDATE). */
    bool planSave (SavePlan& plan);
    juce::String plannedStatements (const juce::StringArray& keys, int parts, const char* method);
    bool planInsert (juce::XmlElement* row, SavePlan& plan);
    bool planUpdate (juce::XmlElement* row, SavePlan& plan);
    /** The stored values of `columnNames` in the row `where` finds, read as the tree reads them. */
    bool readStored (const juce::String& table, const juce::StringArray& columnNames, const juce::Array<int>& kinds,
                     const juce::String& where, juce::StringArray& values, bool& found);
    void applySaved (SavePlan& plan, bool addCount);
};
