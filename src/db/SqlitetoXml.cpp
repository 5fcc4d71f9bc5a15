#include "db/SqlitetoXml.h"
#include "core/TextHelpers.h"
#include "db/DbConnection.h"
#include "db/SqlValueText.h"
#include "platform/FileReplace.h"
#include "core/Globals.h"
#include "core/Log.h"

#include <sqlite3.h>

#include <vector>

using juce::String;
using juce::XmlElement;

namespace
{
using Lock = std::lock_guard<std::recursive_mutex>;

const juce::Identifier kItem ("ITEM");

/** Column "type" of the row tree: decided by the first row's storage class. */
int columnKindOf (int storageClass)
{
    switch (storageClass)
    {
        case SQLITE_INTEGER: return 1;
        case SQLITE_FLOAT:   return 2;
        default:             return 0;
    }
}

String textOfColumn (sqlite3_stmt* st, int i)
{
    auto* text = reinterpret_cast<const char*> (sqlite3_column_text (st, i));
    return sqlvalue::fromUtf8Bytes (text, sqlite3_column_bytes (st, i));
}

/** A value read by its own storage class, so a row never inherits the first row's type. */
String valueOfColumn (sqlite3_stmt* st, int i, int columnKind)
{
    switch (sqlite3_column_type (st, i))
    {
        case SQLITE_INTEGER: return String (static_cast<juce::int64> (sqlite3_column_int64 (st, i)));
        case SQLITE_FLOAT:   return sqlvalue::formatReal20 (sqlite3_column_double (st, i));
        case SQLITE_NULL:    return columnKind == 1 || columnKind == 2 ? String ("0") : String();
        default:             return textOfColumn (st, i);
    }
}

String originNameOf (const char* s) { return s != nullptr ? String::fromUTF8 (s) : String(); }

int kindOf (const XmlElement* column) { return column->getIntAttribute ("type", -1); }

bool isNumericKind (int kind) { return kind == 1 || kind == 2 || kind == 3; }
} // namespace

struct SqlitetoXml::OneValue
{
    int storageClass = SQLITE_NULL;
    juce::int64 integer = 0;
    double real = 0.0;
    String text;
};

//==============================================================================
SqlitetoXml::SqlitetoXml() = default;

SqlitetoXml::SqlitetoXml (std::unique_ptr<XmlElement> tree)
{
    attach (std::move (tree));
    detached = true;
}

SqlitetoXml::~SqlitetoXml()
{
    if (! detached)
        disconnect();
}

int SqlitetoXml::getNumRows() { return numRows; }

void SqlitetoXml::takeResultPointers()
{
    if (result == nullptr)
    {
        columns = nullptr;
        data = nullptr;
        numRows = 0;
        return;
    }
    data = result->getChildByName ("DATA");
    columns = result->getChildByName ("COLUMNS");
    numRows = data != nullptr ? data->getNumChildElements() : 0;
}

void SqlitetoXml::attach (std::unique_ptr<XmlElement> tree)
{
    result = std::move (tree);
    takeResultPointers();
}

std::unique_ptr<XmlElement> SqlitetoXml::forgetResult()
{
    auto tree = std::move (result);
    takeResultPointers();
    return tree;
}

//==============================================================================
bool SqlitetoXml::connect()
{
    if (detached)
    {
        vindoro::vlog ("SqlitetoXml::connect", "WARNING: database connection not allowed");
        return false;
    }

    Lock lock (DbConnection::mutex());
    if (DbConnection::transactionDepth() > 0 && DbConnection::handle() != nullptr)
    {
        // Reopening would roll the open transaction back behind its owner's back.
        vindoro::vlog ("SqlitetoXml::connect", "WARNING: a transaction is open, connection kept");
        return true;
    }
    disconnect();

    String path;
    if (auto* settings = getUserSettings())
        path = settings->getValue ("dbfilename", {});

    if (path.isEmpty())
    {
        vindoro::vlog ("SqlitetoXml::connect", "No database filename set");
        lastError = TRANS ("No database filename set");
        return false;
    }

    juce::File file (path);
    if (! file.existsAsFile())
    {
        vindoro::vlog ("SqlitetoXml::connect", "No database filename founds:" + path);
        lastError = TRANS ("No database file found in ") + path;
        return false;
    }

    String message;
    if (! DbConnection::open (file, message))
    {
        vindoro::vlog ("SqlitetoXml::connect", String (juce::CharPointer_UTF8 ("Can´t open database in filename")) + message);
        lastError = juce::translate (String (juce::CharPointer_UTF8 ("Can´t open database in file "))) + message;
        return false;
    }
    vindoro::vlog ("SqlitetoXml::connect", "************************* NEW CONNECTION TO DB");
    return true;
}

void SqlitetoXml::disconnect()
{
    Lock lock (DbConnection::mutex());
    if (DbConnection::close())
        vindoro::vlog ("SqlitetoXml::disconnect", "++++++++++++++++++++++++++ DISCONNECTED FROM DB");
}

bool SqlitetoXml::ensureConnected()
{
    Lock lock (DbConnection::mutex());
    return DbConnection::handle() != nullptr || connect();
}

bool SqlitetoXml::isConnected()
{
    Lock lock (DbConnection::mutex());
    return DbConnection::handle() != nullptr;
}

//==============================================================================
void SqlitetoXml::failWith (const String& method, const String& error)
{
    lastError = error;
    DbConnection::noteFailure();
    vindoro::vlog (method, "SQL error:" + lastError);
}

bool SqlitetoXml::prepareAndStep (const String& method, const String& sql, sqlite3_stmt*& statement, int& firstStep)
{
    statement = nullptr;
    if (DbConnection::handle() == nullptr && ! connect())
    {
        DbConnection::noteFailure();
        return false;
    }

    auto* db = DbConnection::handle();
    auto utf8 = sql.toUTF8();
    if (sqlite3_prepare_v2 (db, utf8.getAddress(), (int) sql.getNumBytesAsUTF8(), &statement, nullptr) != SQLITE_OK)
    {
        failWith (method, TRANS ("SQL error 1:") + String::fromUTF8 (sqlite3_errmsg (db)));
        sqlite3_finalize (statement);
        statement = nullptr;
        return false;
    }
    if (statement == nullptr) // only blanks or a comment: nothing to run
    {
        firstStep = SQLITE_DONE;
        return true;
    }
    firstStep = sqlite3_step (statement);
    if (firstStep != SQLITE_ROW && firstStep != SQLITE_DONE)
    {
        failWith (method, TRANS ("SQL error 2:") + String::fromUTF8 (sqlite3_errmsg (db)));
        sqlite3_finalize (statement);
        statement = nullptr;
        return false;
    }
    return true;
}

std::unique_ptr<XmlElement> SqlitetoXml::sqlFetch (const String& sql)
{
    if (sql.isEmpty())
        return {};
    vindoro::vlog ("SqlitetoXml::sqlFetch", sql);

    // The lock covers the whole read, so no thread can close the connection between two steps.
    Lock lock (DbConnection::mutex());
    sqlite3_stmt* st = nullptr;
    int step = 0;
    if (! prepareAndStep ("SqlitetoXml::sqlFetch", sql, st, step))
        return {};
    if (step == SQLITE_DONE)
        vindoro::vlog ("SqlitetoXml::sqlFetch", "SQLITE_DONE  - probably no data returned");

    auto root = std::make_unique<XmlElement> ("SQLITE_DATA");
    auto* columnsElement = new XmlElement ("COLUMNS");
    root->addChildElement (columnsElement);

    const int count = st != nullptr ? sqlite3_column_count (st) : 0;
    const bool hasRow = step == SQLITE_ROW;
    std::vector<juce::Identifier> names;
    std::vector<int> kinds;
    std::vector<XmlElement*> built;

    for (int i = 0; i < count; ++i)
    {
        const String name = String::fromUTF8 (sqlite3_column_name (st, i));
        const String table = originNameOf (sqlite3_column_table_name (st, i));
        const int kind = hasRow ? columnKindOf (sqlite3_column_type (st, i)) : 0;
        auto* column = new XmlElement ("COLUMN");
        column->setAttribute ("columnId", i + 1);
        column->setAttribute ("name", name);
        column->setAttribute ("org_name", originNameOf (sqlite3_column_origin_name (st, i)));
        column->setAttribute ("table", table);
        column->setAttribute ("org_table", table);
        column->setAttribute ("type", kind);
        column->setAttribute ("width", 10 * name.length());
        built.push_back (column);
        names.emplace_back (name.isNotEmpty() ? name : String ("_"));
        kinds.push_back (kind);
    }
    // Children are a singly linked list: prepending in reverse keeps building linear in the row count.
    for (auto it = built.rbegin(); it != built.rend(); ++it)
        columnsElement->prependChildElement (*it);

    auto* dataElement = new XmlElement ("DATA");
    root->addChildElement (dataElement);
    built.clear();

    int rc = step;
    while (rc == SQLITE_ROW)
    {
        auto* item = new XmlElement (kItem);
        for (int i = 0; i < count; ++i)
            item->setAttribute (names[(size_t) i], valueOfColumn (st, i, kinds[(size_t) i]));
        built.push_back (item);
        rc = sqlite3_step (st);
    }
    for (auto it = built.rbegin(); it != built.rend(); ++it)
        dataElement->prependChildElement (*it);

    if (rc != SQLITE_DONE)
    {
        // A read that breaks off half-way is a failure, never a shorter result.
        failWith ("SqlitetoXml::sqlFetch", TRANS ("SQL error 2:") + String::fromUTF8 (sqlite3_errmsg (DbConnection::handle())));
        sqlite3_finalize (st);
        return {};
    }
    sqlite3_finalize (st);

    for (int i = 0; i < count; ++i)
    {
        if (names[(size_t) i].toString().contains ("_rownumber_"))
        {
            int n = 0;
            for (auto* item : dataElement->getChildIterator())
                item->setAttribute ("_rownumber_", ++n);
            break;
        }
    }
    return root;
}

XmlElement* SqlitetoXml::sqlQuery (const String& sql)
{
    ok = false;
    result = sqlFetch (sql);
    takeResultPointers();
    if (result == nullptr)
        return nullptr;
    if (numRows < 1)
        vindoro::vlog ("SqlitetoXml::sqlQuery", "no data loaded");
    ok = true;
    return result.get();
}

bool SqlitetoXml::runStatement (const String& method, const String& sql, juce::int64* changes, juce::int64* insertedId)
{
    vindoro::vlog (method, sql);
    Lock lock (DbConnection::mutex());
    sqlite3_stmt* st = nullptr;
    int step = 0;
    if (! prepareAndStep (method, sql, st, step))
        return false;
    auto* db = DbConnection::handle();
    if (changes != nullptr)
        *changes = st != nullptr && ! sqlite3_stmt_readonly (st) ? (juce::int64) sqlite3_changes64 (db) : 0;
    if (insertedId != nullptr)
        *insertedId = (juce::int64) sqlite3_last_insert_rowid (db);
    sqlite3_finalize (st);
    return true;
}

bool SqlitetoXml::sqlQueryNA (const String& sql)
{
    return runStatement ("SqlitetoXml::sqlQueryNA", sql, nullptr, nullptr);
}

juce::int64 SqlitetoXml::sqlInsert (const String& sql)
{
    juce::int64 changes = 0, id = 0;
    if (! runStatement ("SqlitetoXml::sqlInsert", sql, &changes, &id) || changes < 1)
        return 0;
    return id;
}

bool SqlitetoXml::queryOneValue (const String& sql, bool logSql, OneValue& value)
{
    ok = false;
    if (logSql)
        vindoro::vlog ("SqlitetoXml::sqlQueryOneValue", sql);

    Lock lock (DbConnection::mutex());
    sqlite3_stmt* st = nullptr;
    int step = 0;
    if (! prepareAndStep ("SqlitetoXml::sqlQueryOneValue", sql, st, step))
        return false;
    if (step != SQLITE_ROW || sqlite3_column_count (st) < 1)
    {
        sqlite3_finalize (st);
        return false;
    }
    if (sqlite3_column_count (st) > 1)
        vindoro::vlog ("SqlitetoXml::sqlQueryOneValue", "Warning more than one field. Returning first");

    value.storageClass = sqlite3_column_type (st, 0);
    switch (value.storageClass)
    {
        case SQLITE_INTEGER:
            value.integer = (juce::int64) sqlite3_column_int64 (st, 0);
            value.text = String (value.integer);
            break;
        case SQLITE_FLOAT:
            value.real = sqlite3_column_double (st, 0);
            value.text = sqlvalue::formatRealShortest (value.real);
            break;
        default:
            value.text = textOfColumn (st, 0);
            break;
    }
    ok = true;
    sqlite3_finalize (st);
    return true;
}

String SqlitetoXml::sqlQueryOneValue (const String& sql, bool logSql)
{
    OneValue value;
    queryOneValue (sql, logSql, value);
    return value.text;
}

String SqlitetoXml::sqlQueryString (const String& sql) { return sqlQueryOneValue (sql, true); }
String SqlitetoXml::sqlQueryStringNoLog (const String& sql) { return sqlQueryOneValue (sql, false); }

juce::int64 SqlitetoXml::sqlQueryInt (const String& sql)
{
    OneValue value;
    if (! queryOneValue (sql, true, value))
        return 0;
    switch (value.storageClass)
    {
        case SQLITE_INTEGER: return value.integer;
        case SQLITE_FLOAT:   return sqlvalue::truncateToInt64 (value.real);
        default:             return sqlvalue::parseLeadingInt64 (value.text);
    }
}

double SqlitetoXml::sqlQueryDouble (const String& sql)
{
    OneValue value;
    if (! queryOneValue (sql, true, value))
        return 0.0;
    switch (value.storageClass)
    {
        case SQLITE_INTEGER: return (double) value.integer;
        case SQLITE_FLOAT:   return value.real;
        default:             return value.text.getDoubleValue();
    }
}

juce::int64 SqlitetoXml::lastInsertedID()
{
    vindoro::vlog ("SqlitetoXml::lastInsertedID", "Getting last inserted id");
    Lock lock (DbConnection::mutex());
    if (DbConnection::handle() == nullptr && ! connect())
        return -1;
    return (juce::int64) sqlite3_last_insert_rowid (DbConnection::handle());
}

String SqlitetoXml::sqlEscapeQuotes (const String& text)
{
    return sqlEscape (text);
}

String SqlitetoXml::sqlStrftime (const String& column, const String& format)
{
    return "strftime('" + format + "'," + column + ")";
}

//==============================================================================
// Row change tracking and saving

void SqlitetoXml::setInserted (XmlElement* row)
{
    if (row == nullptr)
        return;
    row->removeAttribute ("deleted");
    if (row->getBoolAttribute ("modified"))
    {
        vindoro::vlog ("SqlitetoXml::setInserted", "ta row je modified in bi rad postavil na inserted - a si cist nor");
        return;
    }
    if (! row->getBoolAttribute ("inserted"))
        row->setAttribute ("inserted", 1);
}

void SqlitetoXml::setModified (XmlElement* row)
{
    if (row == nullptr)
        return;
    row->removeAttribute ("deleted");
    if (row->getBoolAttribute ("inserted"))
    {
        vindoro::vlog ("SqlitetoXml::setModified", "ta row je inserted in bi rad postavil na modified - a si cist nor");
        return;
    }
    if (! row->getBoolAttribute ("modified"))
        row->setAttribute ("modified", 1);
}

bool SqlitetoXml::isInserted (const XmlElement* row)
{
    return row != nullptr && ! row->getBoolAttribute ("deleted") && row->getBoolAttribute ("inserted");
}

bool SqlitetoXml::isModified (const XmlElement* row)
{
    return row != nullptr && ! row->getBoolAttribute ("deleted") && row->getBoolAttribute ("modified");
}

String SqlitetoXml::findTable (const String& key) const
{
    String table;
    if (columns != nullptr)
        for (auto* column : columns->getChildWithTagNameIterator ("COLUMN"))
            if (column->getStringAttribute ("org_name") == key)
                table = column->getStringAttribute ("org_table");
    return table;
}

namespace
{
/** The SQL literal of one row value, or false when a numeric column holds no number. */
bool literalFor (const XmlElement* column, const String& value, String& literal)
{
    if (isNumericKind (kindOf (column)))
        return sqlvalue::numberLiteral (value, literal);
    literal = "'" + SqlitetoXml::sqlEscapeQuotes (value) + "'";
    return true;
}

String refusalText (const XmlElement* column, const String& value)
{
    return TRANS ("Not a number in column ") + column->getStringAttribute ("org_name") + ": '" + value + "'";
}

} // namespace

bool SqlitetoXml::buildInsert (XmlElement* row, const String& table, const String& key, String& sql)
{
    juce::StringArray names, values;
    for (auto* column : columns->getChildWithTagNameIterator ("COLUMN"))
    {
        if (column->getStringAttribute ("org_table") != table || column->getStringAttribute ("org_name") == key)
            continue;
        const auto value = row->getStringAttribute (column->getStringAttribute ("name"));
        String literal;
        if (! literalFor (column, value, literal))
        {
            lastError = refusalText (column, value);
            return false;
        }
        names.add (column->getStringAttribute ("org_name"));
        values.add (literal);
    }
    sql = "INSERT INTO " + table + " (" + names.joinIntoString (",") + ") VALUES (" + values.joinIntoString (",") + ");";
    return true;
}

bool SqlitetoXml::buildUpdate (XmlElement* row, const String& table, const juce::StringArray& keys, String& sql)
{
    juce::StringArray conditions;
    for (int k = keys.size(); --k >= 0;)
    {
        const auto value = row->getStringAttribute (keys[k]);
        String literal;
        if (! sqlvalue::numberLiteral (value, literal))
        {
            lastError = TRANS ("Not a number in column ") + keys[k] + ": '" + value + "'";
            return false;
        }
        conditions.add (keys[k] + "=" + literal);
    }
    const auto where = " WHERE " + conditions.joinIntoString (" AND ");

    juce::Array<const XmlElement*> candidates;
    juce::StringArray tableColumns;
    for (auto* column : columns->getChildWithTagNameIterator ("COLUMN"))
        if (column->getStringAttribute ("org_table") == table && ! keys.contains (column->getStringAttribute ("org_name")))
        {
            candidates.add (column);
            tableColumns.add (column->getStringAttribute ("org_name"));
        }
    sql.clear();
    if (candidates.isEmpty())
        return true;

    // The row as the database holds it now: a value the user did not touch reads back as the same
    // text and is left alone, so a NULL, a blob or a value of another type is never rewritten.
    const String read = "SELECT " + tableColumns.joinIntoString (",") + " FROM " + table + where;
    vindoro::vlog ("SqlitetoXml::saveModified", read);
    sqlite3_stmt* st = nullptr;
    int step = 0;
    if (! prepareAndStep ("SqlitetoXml::saveModified", read, st, step))
        return false;
    if (step != SQLITE_ROW)
    {
        sqlite3_finalize (st);
        lastError = TRANS ("Row not found in table ") + table + where;
        return false;
    }
    juce::StringArray sets;
    for (int i = 0; i < candidates.size(); ++i)
    {
        auto* column = candidates.getUnchecked (i);
        const auto value = row->getStringAttribute (column->getStringAttribute ("name"));
        if (valueOfColumn (st, i, column->getIntAttribute ("type", 0)) == value)
            continue;
        String literal;
        if (! literalFor (column, value, literal))
        {
            sqlite3_finalize (st);
            lastError = refusalText (column, value);
            return false;
        }
        sets.add (tableColumns[i] + "=" + literal);
    }
    sqlite3_finalize (st);
    if (! sets.isEmpty())
        sql = "UPDATE " + table + " SET " + sets.joinIntoString (",") + where + ";";
    return true;
}

int SqlitetoXml::saveInserted (const String& key, bool addCount)
{
    vindoro::vlog ("SqlitetoXml::saveInserted", "inside");
    ok = false;
    const auto table = findTable (key);
    if (columns == nullptr || columns->getNumChildElements() == 0 || table.isEmpty())
        return -3;

    // Every row is checked before the first statement runs: a refused value runs nothing.
    std::vector<std::pair<XmlElement*, String>> statements;
    for (auto* row : data->getChildWithTagNameIterator (kItem))
    {
        if (! isInserted (row))
            continue;
        String sql;
        if (! buildInsert (row, table, key, sql))
        {
            vindoro::vlog ("SqlitetoXml::saveInserted", "ERROR: " + lastError);
            return -1;
        }
        statements.emplace_back (row, sql);
    }

    int count = 0;
    for (auto& [row, sql] : statements)
    {
        juce::int64 id = 0;
        if (! runStatement ("SqlitetoXml::sqlQueryNA", sql, nullptr, &id))
            return -1;
        row->setAttribute (key, String (id));
        row->removeAttribute ("inserted");
        ++count;
    }
    if (addCount && count > 0)
        numRows += count;
    ok = true;
    return count;
}

int SqlitetoXml::saveModified (const juce::StringArray& keys)
{
    vindoro::vlog ("SqlitetoXml::saveModified", "inside");
    ok = false;
    Lock lock (DbConnection::mutex()); // no other thread writes between the reads and the updates
    const auto table = findTable (keys.isEmpty() ? String() : keys[0]);
    if (columns == nullptr || columns->getNumChildElements() == 0 || table.isEmpty())
    {
        vindoro::vlog ("SqlitetoXml::saveModified", "ERROR: table name not found");
        return -3;
    }

    struct Pending { XmlElement* row; String sql; };
    std::vector<Pending> statements;
    for (auto* row : data->getChildWithTagNameIterator (kItem))
    {
        if (! isModified (row))
            continue;
        String sql;
        if (! buildUpdate (row, table, keys, sql))
        {
            vindoro::vlog ("SqlitetoXml::saveModified", "ERROR: " + lastError);
            return -1;
        }
        statements.push_back ({ row, sql });
    }

    int count = 0;
    for (auto& p : statements)
    {
        if (p.sql.isNotEmpty())
        {
            juce::int64 changes = 0;
            if (! runStatement ("SqlitetoXml::sqlQueryNA", p.sql, &changes, nullptr))
                return -1;
            if (changes < 1)
            {
                // An UPDATE that found no row saved nothing: never report it as saved.
                lastError = TRANS ("Row not found in table ") + table;
                vindoro::vlog ("SqlitetoXml::saveModified", "ERROR: " + lastError + " " + p.sql);
                return -1;
            }
        }
        p.row->removeAttribute ("modified");
        ++count;
    }
    ok = true;
    return count;
}

int SqlitetoXml::saveModified (const String& key) { return saveModified (juce::StringArray (key)); }

String SqlitetoXml::getSaveInsertedSQL (const String& key)
{
    vindoro::vlog ("SqlitetoXml::getSaveInsertedSQL", "inside");
    const auto table = findTable (key);
    if (columns == nullptr || table.isEmpty())
    {
        vindoro::vlog ("SqlitetoXml::getSaveInsertedSQL", "ERROR: table name not found");
        return {};
    }
    String all;
    for (auto* row : data->getChildWithTagNameIterator (kItem))
    {
        if (! isInserted (row))
            continue;
        String sql;
        if (! buildInsert (row, table, key, sql))
        {
            vindoro::vlog ("SqlitetoXml::getSaveInsertedSQL", "ERROR: " + lastError);
            return {};
        }
        all << sql;
    }
    return all;
}

String SqlitetoXml::getSaveModifiedSQL (const juce::StringArray& keys)
{
    vindoro::vlog ("SqlitetoXml::getSaveModifiedSQL", "inside");
    const auto table = findTable (keys.isEmpty() ? String() : keys[0]);
    if (columns == nullptr || table.isEmpty())
    {
        vindoro::vlog ("SqlitetoXml::getSaveModifiedSQL", "ERROR: table name not found");
        return {};
    }
    String all;
    for (auto* row : data->getChildWithTagNameIterator (kItem))
    {
        if (! isModified (row))
            continue;
        String sql;
        if (! buildUpdate (row, table, keys, sql))
        {
            vindoro::vlog ("SqlitetoXml::getSaveModifiedSQL", "ERROR: " + lastError);
            return {};
        }
        all << sql;
    }
    return all;
}

String SqlitetoXml::getSaveModifiedSQL (const String& key) { return getSaveModifiedSQL (juce::StringArray (key)); }

bool SqlitetoXml::checkCompliance (const String& field, const String& value)
{
    if (value.isEmpty())
        return false;

    int type = 0;
    String table;
    if (columns != nullptr)
    {
        for (auto* column : columns->getChildWithTagNameIterator ("COLUMN"))
        {
            if (column->getStringAttribute ("name") != field)
                continue;
            type = column->getIntAttribute ("type", 0);
            table = column->getStringAttribute ("org_table");
            vindoro::vlog ("SqlitetoXml::checkCompliance", "testing type " + String (type) + ". Field name:" + field
                                                                + " table:" + table + " value:" + value);
            switch (type)
            {
                case 0: return true;
                case 1: return sqlvalue::isIntegerText (value);
                case 2: return sqlvalue::isDecimalText (value);
                case 3: return sqlvalue::isZeroOneText (value);
                default: break;
            }
        }
    }
    vindoro::vlog ("SqlitetoXml::checkCompliance", "WARNIGN:type " + String (type) + " not treated properly. Field name:"
                                                       + field + " table:" + table);
    return true;
}

//==============================================================================
// Database file copies

namespace
{
juce::File databaseFile()
{
    auto* settings = getUserSettings();
    const auto path = settings != nullptr ? settings->getValue ("dbfilename", {}) : String();
    return path.isNotEmpty() ? juce::File (path) : juce::File();
}
} // namespace

bool SqlitetoXml::backupDatabase (const juce::File& target)
{
    // Under the lock no statement of this process is half-way; inside a transaction the file is
    // not in a committed state, so no copy is taken then.
    Lock lock (DbConnection::mutex());
    if (DbConnection::transactionDepth() > 0)
        return false;
    const auto from = databaseFile();
    if (from == juce::File() || ! from.existsAsFile())
        return false;
    if (FileReplace::isSameFile (from, target))
        return true;
    return FileReplace::copyOver (from, target);
}

bool SqlitetoXml::restoreDatabase (const juce::File& source)
{
    Lock lock (DbConnection::mutex());
    if (DbConnection::transactionDepth() > 0)
        return false;
    const auto to = databaseFile();
    if (FileReplace::isSameFile (source, to))
        return true;
    if (to == juce::File() || ! source.existsAsFile())
        return false;

    // The connection must never go on using a file that was replaced under it.
    disconnect();
    if (! FileReplace::copyOver (source, to))
        return false;
    // A journal left beside the old file would be played into the restored one at the next open.
    for (auto* suffix : { "-journal", "-wal", "-shm" })
        to.getSiblingFile (to.getFileName() + suffix).deleteFile();
    return true;
}
