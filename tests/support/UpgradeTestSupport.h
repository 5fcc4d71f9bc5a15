#pragma once
// Fixture databases for the upgrade tests: a database file built from the SQL fixtures of an
// old version plus a test's own rows, registered as "dbfilename" in a settings file of its own,
// and read back through a connection of the test's own (never the code under test).
#include "support/TestSupport.h"

#include <juce_core/juce_core.h>

namespace vtest
{
/** The file tests/db/fixtures/<name>. */
juce::File upgradeFixture (const juce::String& name);

class UpgradeDb
{
public:
    /** Loads the named fixture files in order, then `extraSql`; registers the file as "dbfilename". */
    UpgradeDb (std::initializer_list<const char*> fixtureFiles, const juce::String& extraSql = {});
    /** An existing database file copied in. */
    explicit UpgradeDb (const juce::File& copyOf);
    ~UpgradeDb();

    const juce::File& file() const { return dbFile; }
    TestSettings& settings() { return testSettings; }

    /** Runs SQL on the test's own connection; false (and the error in lastError) on failure. */
    bool exec (const juce::String& sql);
    /** The first column of the first row as text ("<null>" for NULL, empty when no row). */
    juce::String value (const juce::String& sql);
    /** Every row, its columns joined with "|" (NULL as "<null>"). */
    juce::StringArray rows (const juce::String& sql);
    int version() { return value ("SELECT val_i FROM settings WHERE ime='dbversion'").getIntValue(); }
    int level() { return value ("SELECT val_i FROM settings WHERE ime='dbmanteinance'").getIntValue(); }

    juce::String lastError;

private:
    TestSettings testSettings;
    juce::File folder;
    juce::File dbFile;
};

/** Tables and their columns (name, type, not null, default, key) of a database file, one line per
    column, sorted: what two databases must share to hold the same schema. */
juce::StringArray describeSchema (const juce::File& database);
/** The stored CREATE text of each table, "name: sql", sorted by name. */
juce::StringArray createTexts (const juce::File& database);
} // namespace vtest
