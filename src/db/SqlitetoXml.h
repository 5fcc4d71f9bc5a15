#pragma once
// The query object through which the whole program reaches its SQLite file: it runs SQL text on
// the one process-wide connection and keeps the answer as a row tree ("SQLITE_DATA" / "COLUMNS" /
// "DATA" / "ITEM"). Owned by the data layer. Every statement, connect and disconnect runs under the
// connection's process-wide lock, so no thread ever closes the connection under another's statement.
#include <juce_core/juce_core.h>

#include <memory>

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
    /** INSERTs every row marked inserted; rows inserted, -3 (no table for the key) or -1 (a value
        refused before anything ran, or a failed statement). Numbers go in unquoted only when they
        are numbers (a decimal comma becomes a point). */
    int saveInserted (const juce::String& key, bool addCount);
    /** UPDATEs, in every row marked modified, only the values that differ from the stored row;
        rows saved (a row without changes counts and runs nothing), -3, or -1 (a refused value,
        a key that is no number or a row no longer in the table: nothing runs). */
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

    /** Points columns, data and numRows at the current result. */
    void takeResultPointers();
    /** Runs one statement as sqlQueryNA does, under `method`'s name; reports the rows it really
        changed and the row id it inserted (read under the same lock, so no other thread's INSERT). */
    bool runStatement (const juce::String& method, const juce::String& sql, juce::int64* changes, juce::int64* insertedId);

private:
    struct OneValue;
    bool queryOneValue (const juce::String& sql, bool logSql, OneValue& value);
    /** Connects when needed, compiles and takes the first step; false (statement finalized) on failure. */
    bool prepareAndStep (const juce::String& method, const juce::String& sql, sqlite3_stmt*& statement, int& firstStep);
    void failWith (const juce::String& method, const juce::String& error);
    juce::String findTable (const juce::String& key) const;
    bool buildInsert (juce::XmlElement* row, const juce::String& table, const juce::String& key, juce::String& sql);
    bool buildUpdate (juce::XmlElement* row, const juce::String& table, const juce::StringArray& keys, juce::String& sql);
};
