#include "db/DbConnection.h"

#include <sqlite3.h>

#include <atomic>

namespace
{
sqlite3* connection = nullptr;
int depth = 0;
bool closePending = false;
std::atomic<juce::uint64> failures { 0 };
}

std::recursive_mutex& DbConnection::mutex()
{
    static std::recursive_mutex m;
    return m;
}

sqlite3* DbConnection::handle()
{
    return connection;
}

bool DbConnection::open (const juce::File& file, juce::String& libraryMessage)
{
    std::lock_guard<std::recursive_mutex> guard (mutex());
    sqlite3* db = nullptr;
    // No CREATE flag: a missing file must never be replaced by an empty database behind the caller's back.
    const int rc = sqlite3_open_v2 (file.getFullPathName().toRawUTF8(), &db,
                                    SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX, nullptr);
    if (rc != SQLITE_OK)
    {
        libraryMessage = db != nullptr ? juce::String::fromUTF8 (sqlite3_errmsg (db)) : juce::String (sqlite3_errstr (rc));
        sqlite3_close (db);
        return false;
    }
    connection = db;
    closePending = false;
    return true;
}

bool DbConnection::close()
{
    std::lock_guard<std::recursive_mutex> guard (mutex());
    if (connection == nullptr)
        return false;
    if (depth > 0)
    {
        closePending = true;
        return false;
    }
    sqlite3_close_v2 (connection);
    connection = nullptr;
    closePending = false;
    return true;
}

void DbConnection::noteFailure()
{
    ++failures;
}

juce::uint64 DbConnection::failureCount()
{
    return failures.load();
}

void DbConnection::forgetFailuresSince (juce::uint64 mark)
{
    if (failures.load() > mark)
        failures.store (mark);
}

int DbConnection::transactionDepth()
{
    std::lock_guard<std::recursive_mutex> guard (mutex());
    return depth;
}

int DbConnection::enterTransaction()
{
    std::lock_guard<std::recursive_mutex> guard (mutex());
    return ++depth;
}

bool DbConnection::leaveTransaction()
{
    std::lock_guard<std::recursive_mutex> guard (mutex());
    if (depth > 0)
        --depth;
    return depth == 0 && closePending;
}
