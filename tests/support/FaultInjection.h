#pragma once
// Faults injected into a real database file: triggers that abort the n-th write (INSERT, UPDATE
// or DELETE, counted per row) on the tables a test names, and a dump of tables to compare the
// file before and after. Both work over a connection of their own, never the code under test.
#include <juce_core/juce_core.h>

struct sqlite3;

namespace vtest
{
class FaultInjection
{
public:
    /** Installs the triggers on `tables` of the database file, disarmed. */
    FaultInjection (const juce::File& database, const juce::StringArray& tables);
    /** Removes the triggers and their counter. */
    ~FaultInjection();

    /** From now on the `n`-th write on the tables (counted from 1) fails; 0 disarms. */
    void failWrite (int n);
    /** The writes counted since the last failWrite (the failing one not among them). */
    int writesSeen();

    static constexpr const char* kMessage = "injected fault";

private:
    bool exec (const juce::String& sql);
    juce::File file;
    juce::StringArray triggers;
    bool armed = false;
};

/** A connection of the test's own kept open for many reads (the schema is read once, not at every
    query); it holds no transaction between queries, so the code under test can write meanwhile. */
class Reader
{
public:
    explicit Reader (const juce::File& database);
    ~Reader();
    Reader (const Reader&) = delete;
    Reader& operator= (const Reader&) = delete;

    /** Every row, its columns joined with "|" (NULL as "<null>"). */
    juce::StringArray rows (const juce::String& sql);
    /** The first value of the first row ("" without a row). */
    juce::String value (const juce::String& sql);
    /** Every row of each table, sorted, the lines "table: row". */
    juce::StringArray dump (const juce::StringArray& tables);

private:
    sqlite3* db = nullptr;
};

/** Every row of each table, sorted, its columns joined with "|", the lines "table: row". */
juce::StringArray dumpTables (const juce::File& database, const juce::StringArray& tables);

/** Runs SQL on a connection of its own; false on failure. */
bool execOn (const juce::File& database, const juce::String& sql);
/** Every row of a query on a connection of its own, its columns joined with "|" (NULL as "<null>"). */
juce::StringArray rowsOf (const juce::File& database, const juce::String& sql);
/** The first value of the first row ("" without a row, "<null>" for NULL). */
juce::String valueOf (const juce::File& database, const juce::String& sql);
} // namespace vtest
