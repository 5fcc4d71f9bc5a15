#pragma once
// A scoped transaction on the process-wide connection: BEGIN IMMEDIATE when made, COMMIT when the
// scope ends well, ROLLBACK when a statement inside it failed, it was marked failed, or an exception
// leaves the scope. Nested scopes become savepoints. It holds the connection's lock for its whole
// life, so no other thread's statement falls into it; make and end it on the same thread, and
// never wait inside it for a worker thread that needs the database (it would wait for ever).
#include <juce_core/juce_core.h>

#include <mutex>

class DbTransaction
{
public:
    /** Whether a statement that fails inside the scope decides the end by itself. */
    enum class FailedStatements
    {
        rollBack,        // a booking: any failed statement undoes the whole scope
        callerDecides    // a schema step: failures are counted and judged by the caller
    };

    explicit DbTransaction (FailedStatements onFailure = FailedStatements::rollBack);
    ~DbTransaction();

    DbTransaction (const DbTransaction&) = delete;
    DbTransaction& operator= (const DbTransaction&) = delete;

    /** True when BEGIN (or the savepoint) succeeded and the scope has not ended yet. */
    bool isActive() const { return active; }
    /** True for the outermost scope, false for a savepoint inside another scope. */
    bool isOutermost() const { return depth == 1; }

    /** Ends the scope now: COMMIT (or RELEASE) when nothing failed inside it, else ROLLBACK.
        True only when the work was committed. */
    bool commit();
    /** Ends the scope now and undoes its work. */
    void rollback();
    /** Ends a savepoint scope and undoes its work as if it had never been tried: a failed
        statement inside it no longer fails the enclosing scopes (an optional part whose failure
        the caller handles itself). On the outermost scope it is rollback(). */
    void abandon();
    /** Marks the scope failed (a check of the caller's own), so its end rolls back. */
    void markFailed() { failedByCaller = true; }
    /** True when a statement inside the scope failed (unless the caller decides) or the scope was marked failed. */
    bool hasFailed() const;
    /** False once the database has ended the transaction on its own (a full disk, a RAISE(ROLLBACK),
        an ON CONFLICT ROLLBACK): statements after that would each commit by themselves. */
    bool isStillOpen() const;

    /** Text of the last failure of BEGIN, COMMIT or ROLLBACK. */
    const juce::String& getLastError() const { return lastError; }

private:
    std::unique_lock<std::recursive_mutex> lock;
    FailedStatements onFailedStatement;
    int depth = 0;
    bool active = false;
    bool failedByCaller = false;
    bool abandoning = false;
    juce::uint64 failuresAtStart = 0;
    int exceptionsAtStart = 0;
    juce::String savepointName;
    juce::String lastError;

    bool finish (bool keep);
};
