#include "db/DbTransaction.h"
#include "db/DbConnection.h"
#include "db/SqlitetoXml.h"
#include "core/Log.h"

#include <sqlite3.h>

#include <exception>

namespace
{
bool execute (const juce::String& sql, juce::String& error)
{
    vindoro::vlog ("DbTransaction", sql);
    char* message = nullptr;
    if (sqlite3_exec (DbConnection::handle(), sql.toRawUTF8(), nullptr, nullptr, &message) == SQLITE_OK)
        return true;
    error = TRANS ("SQL error 2:") + juce::String::fromUTF8 (message != nullptr ? message : "");
    sqlite3_free (message);
    vindoro::vlog ("DbTransaction", "SQL error:" + error);
    return false;
}
} // namespace

DbTransaction::DbTransaction (FailedStatements onFailure) : lock (DbConnection::mutex()), onFailedStatement (onFailure)
{
    exceptionsAtStart = std::uncaught_exceptions();
    depth = DbConnection::enterTransaction();
    failuresAtStart = DbConnection::failureCount();

    if (DbConnection::handle() == nullptr)
    {
        // The opener's own end asks to close; that waits until this scope is over.
        SqlitetoXml opener;
        if (! opener.ensureConnected())
        {
            lastError = opener.lastError;
            DbConnection::noteFailure();
        }
    }

    if (DbConnection::handle() != nullptr)
    {
        if (depth == 1)
            active = execute ("BEGIN IMMEDIATE", lastError);
        else
        {
            savepointName = "vindoro_sp_" + juce::String (depth);
            active = execute ("SAVEPOINT " + savepointName, lastError);
        }
        if (! active)
            DbConnection::noteFailure();
    }

    if (! active && DbConnection::leaveTransaction())
        SqlitetoXml::disconnect();
}

DbTransaction::~DbTransaction()
{
    if (active)
        finish (std::uncaught_exceptions() <= exceptionsAtStart);
}

bool DbTransaction::hasFailed() const
{
    return failedByCaller
           || (onFailedStatement == FailedStatements::rollBack && DbConnection::failureCount() != failuresAtStart);
}

bool DbTransaction::isStillOpen() const
{
    return active && DbConnection::handle() != nullptr && sqlite3_get_autocommit (DbConnection::handle()) == 0;
}

bool DbTransaction::commit() { return finish (true); }

void DbTransaction::rollback() { finish (false); }

void DbTransaction::abandon()
{
    abandoning = true;
    finish (false);
}

bool DbTransaction::finish (bool keep)
{
    if (! active)
        return false;
    active = false;

    bool kept = keep && ! hasFailed();
    juce::String error;
    if (depth == 1)
    {
        if (kept && ! execute ("COMMIT", error))
        {
            lastError = error;
            kept = false;
        }
        if (! kept && sqlite3_get_autocommit (DbConnection::handle()) == 0 && ! execute ("ROLLBACK", error))
            lastError = error;
    }
    else
    {
        bool undone = true;
        if (! kept && ! execute ("ROLLBACK TO " + savepointName, error))
        {
            lastError = error;
            undone = false;
        }
        if (! execute ("RELEASE " + savepointName, error))
        {
            lastError = error;
            kept = false;
            undone = false;
        }
        // A part that failed makes the whole enclosing work fail as well, unless the caller
        // abandoned it and its work is really gone.
        if (abandoning && undone)
            DbConnection::forgetFailuresSince (failuresAtStart);
        else if (! kept && (keep || failedByCaller))
            DbConnection::noteFailure();
    }

    if (DbConnection::leaveTransaction())
        SqlitetoXml::disconnect();
    return kept;
}
