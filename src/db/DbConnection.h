#pragma once
// The one SQLite connection of the process and the recursive lock that guards it. Owned by the
// data layer; only SqlitetoXml and DbTransaction touch it. Hold the lock while using the handle;
// while a transaction is open a close request waits until the outermost scope ends.
#include <juce_core/juce_core.h>

#include <mutex>

struct sqlite3;

class DbConnection
{
public:
    static std::recursive_mutex& mutex();

    /** The open handle, or null (hold the lock). */
    static sqlite3* handle();
    /** Opens the file read-write (never creating it); on failure the library's message. */
    static bool open (const juce::File& file, juce::String& libraryMessage);
    /** Closes the handle; false when nothing was open or the close waits for the open transaction. */
    static bool close();

    /** Counts every statement that failed on the connection, so a transaction can see failures inside it. */
    static void noteFailure();
    static juce::uint64 failureCount();
    /** Puts the count back to `mark`: the failures since then were undone with the work they hit
        (hold the lock, so no other thread's failure is forgotten with them). */
    static void forgetFailuresSince (juce::uint64 mark);

    static int transactionDepth();
    static int enterTransaction();
    /** Leaves one transaction level; true when the outermost ended with a close still pending. */
    static bool leaveTransaction();
};
