#pragma once
// Shared test fixtures: temporary folders, a settings file of the test's own, a fresh copy of
// the shipped database, and a logger that records lines. Nothing here touches a user's files.
#include <juce_data_structures/juce_data_structures.h>

#include <mutex>
#include <ostream>

namespace juce
{
/** Failed comparisons of row lists print the rows. */
inline void PrintTo (const StringArray& rows, std::ostream* os) { *os << "[" << rows.joinIntoString (" / ") << "]"; }
} // namespace juce

namespace vtest
{
/** A new empty folder under the system's temporary folder, removed with its contents on destruction. */
class TempFolder
{
public:
    TempFolder();
    ~TempFolder();
    const juce::File& get() const { return folder; }
    juce::File file (const juce::String& name) const { return folder.getChildFile (name); }

private:
    juce::File folder;
};

/** A settings object backed by a file in a temporary folder, registered for getAppProperties()
    while it lives; the previous registration comes back on destruction. */
class TestSettings
{
public:
    TestSettings();
    ~TestSettings();
    juce::PropertiesFile& user() { return *properties.getUserSettings(); }
    juce::ApplicationProperties& app() { return properties; }
    const TempFolder& folder() const { return temp; }

private:
    TempFolder temp;
    juce::ApplicationProperties properties;
    juce::ApplicationProperties* previous = nullptr;
};

/** The shipped database file the build made. */
juce::File shippedDatabase();
/** The resources folder the build laid out beside the program. */
juce::File resourcesFolder();

/** Every byte of the file (empty when it cannot be read). */
juce::MemoryBlock bytesOf (const juce::File& file);

/** A fresh copy of the shipped database in a temporary folder, with its own settings naming it as
    "dbfilename". Closes the process-wide connection when it ends, so the next test starts clean. */
class FreshDatabase
{
public:
    FreshDatabase();
    ~FreshDatabase();
    const juce::File& file() const { return dbFile; }
    TestSettings& settings() { return testSettings; }

private:
    TestSettings testSettings;
    juce::File dbFile;
};

/** Records every log line written while it lives (from any thread); the previous logger comes back after. */
class LogCapture : public juce::Logger
{
public:
    LogCapture();
    ~LogCapture() override;
    juce::StringArray lines() const;
    bool contains (const juce::String& fragment) const;
    void clear();

protected:
    void logMessage (const juce::String& message) override;

private:
    mutable std::mutex mutex;
    juce::StringArray captured;
    juce::Logger* previous = nullptr;
};

/** Keeps X protocol errors (an unknown atom on a server with no window manager) from ending the test program. */
void installTolerantXErrorHandler();
} // namespace vtest
