#include "db/SqlitetoXml.h"
#include "core/TextHelpers.h"
#include "db/DbConnection.h"
#include "db/DbTransaction.h"
#include "db/SqlValueText.h"
#include "platform/FileReplace.h"
#include "core/Globals.h"
#include "core/Log.h"

#include <sqlite3.h>

#include <unordered_map>
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

/** The bound values as the log shows them after the statement. */
String describeValues (const std::vector<BoundValue>* values)
{
    if (values == nullptr)
        return {};
    juce::StringArray texts;
    for (auto& v : *values)
        texts.add (v.describe());
    return " <- (" + texts.joinIntoString (", ") + ")";
}
} // namespace

struct SqlitetoXml::OneValue
{
    int storageClass = SQLITE_NULL;
    juce::int64 integer = 0;
    double real = 0.0;
    String text;
};

//==============================================================================
// The values each row was loaded with: what a save compares the user's values and the stored
// row with. Kept beside the tree as shared texts, so remembering them copies no characters.

struct SqlitetoXml::LoadedValues
{
    std::vector<juce::Identifier> names;       // the result's columns, in order
    std::vector<const XmlElement*> rows;       // null once a row has left the tree
    std::vector<String> values;                // names.size() per row
    std::unordered_map<const XmlElement*, size_t> index;
    bool indexed = false;

    size_t width() const { return names.size(); }

    void add (const XmlElement* row)
    {
        if (indexed)
            index[row] = rows.size();
        rows.push_back (row);
        for (auto& name : names)
            values.push_back (row->getStringAttribute (name));
    }

    String* find (const XmlElement* row)
    {
        if (! indexed)
        {
            // Built on the first save only: loading stays a plain copy of the values.
            index.reserve (rows.size());
            for (size_t i = 0; i < rows.size(); ++i)
                if (rows[i] != nullptr)
                    index[rows[i]] = i;
            indexed = true;
        }
        const auto it = index.find (row);
        return it != index.end() ? &values[it->second * width()] : nullptr;
    }

    void forget (const XmlElement* row)
    {
        if (find (row) == nullptr)
            return;
        rows[index[row]] = nullptr;
        index.erase (row);
    }
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
    ++treeVersion;
    if (result == nullptr)
    {
        columns = nullptr;
        data = nullptr;
        numRows = 0;
        loaded.reset();
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
    rememberLoadedValues();
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

bool SqlitetoXml::prepareAndStep (const String& method, const String& sql, sqlite3_stmt*& statement, int& firstStep,
                                  const std::vector<BoundValue>* values)
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
        if (values == nullptr || values->empty())
            return true;
        failWith (method, TRANS ("SQL error 1:") + "no statement for the values given");
        return false;
    }
    if (values != nullptr || sqlite3_bind_parameter_count (statement) > 0)
    {
        // A "?" left unbound would quietly store NULL: the values must match the text one for one.
        const int expected = sqlite3_bind_parameter_count (statement);
        const int given = values != nullptr ? (int) values->size() : 0;
        String problem;
        if (expected != given)
            problem = TRANS ("SQL error 1:") + String (expected) + " values expected, " + String (given) + " given";
        for (int i = 0; i < given && problem.isEmpty(); ++i)
            if ((*values)[(size_t) i].bindTo (statement, i + 1) != SQLITE_OK)
                problem = TRANS ("SQL error 1:") + String::fromUTF8 (sqlite3_errmsg (db));
        if (problem.isNotEmpty())
        {
            failWith (method, problem);
            sqlite3_finalize (statement);
            statement = nullptr;
            return false;
        }
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
    return fetchRows (sql, nullptr, nullptr);
}

std::unique_ptr<XmlElement> SqlitetoXml::sqlFetch (const String& sql, const std::vector<BoundValue>& values)
{
    return fetchRows (sql, &values, nullptr);
}

std::unique_ptr<XmlElement> SqlitetoXml::fetchRows (const String& sql, const std::vector<BoundValue>* values, LoadedValues* loadedValues)
{
    if (sql.isEmpty())
        return {};
    vindoro::vlog ("SqlitetoXml::sqlFetch", sql + describeValues (values));

    // The lock covers the whole read, so no thread can close the connection between two steps.
    Lock lock (DbConnection::mutex());
    sqlite3_stmt* st = nullptr;
    int step = 0;
    if (! prepareAndStep ("SqlitetoXml::sqlFetch", sql, st, step, values))
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

    if (loadedValues != nullptr)
        loadedValues->names = names;
    int rc = step;
    while (rc == SQLITE_ROW)
    {
        auto* item = new XmlElement (kItem);
        for (int i = 0; i < count; ++i)
        {
            const auto value = valueOfColumn (st, i, kinds[(size_t) i]);
            item->setAttribute (names[(size_t) i], value);
            // The same shared text the row holds: remembering it copies no characters.
            if (loadedValues != nullptr)
                loadedValues->values.push_back (value);
        }
        if (loadedValues != nullptr)
            loadedValues->rows.push_back (item);
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
    return queryRows (sql, nullptr);
}

XmlElement* SqlitetoXml::sqlQuery (const String& sql, const std::vector<BoundValue>& values)
{
    return queryRows (sql, &values);
}

XmlElement* SqlitetoXml::queryRows (const String& sql, const std::vector<BoundValue>* values)
{
    ok = false;
    auto remembered = std::make_unique<LoadedValues>();
    result = fetchRows (sql, values, remembered.get());
    takeResultPointers();
    loaded = result != nullptr ? std::move (remembered) : nullptr;
    if (result == nullptr)
        return nullptr;
    if (numRows < 1)
        vindoro::vlog ("SqlitetoXml::sqlQuery", "no data loaded");
    ok = true;
    return result.get();
}

bool SqlitetoXml::runStatement (const String& method, const String& sql, juce::int64* changes, juce::int64* insertedId)
{
    return runBound (method, sql, nullptr, changes, insertedId);
}

bool SqlitetoXml::runBound (const String& method, const String& sql, const std::vector<BoundValue>* values,
                            juce::int64* changes, juce::int64* insertedId)
{
    vindoro::vlog (method, sql + describeValues (values));
    Lock lock (DbConnection::mutex());
    sqlite3_stmt* st = nullptr;
    int step = 0;
    if (! prepareAndStep (method, sql, st, step, values))
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

bool SqlitetoXml::sqlQueryNA (const String& sql, const std::vector<BoundValue>& values)
{
    return runBound ("SqlitetoXml::sqlQueryNA", sql, &values, nullptr, nullptr);
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
juce::Identifier attributeNameOf (const XmlElement* column)
{
    const auto name = column->getStringAttribute ("name");
    return name.isNotEmpty() ? juce::Identifier (name) : juce::Identifier ("_");
}
} // namespace

void SqlitetoXml::rememberLoadedValues()
{
    loaded.reset();
    if (columns == nullptr || data == nullptr)
        return;
    loaded = std::make_unique<LoadedValues>();
    for (auto* column : columns->getChildWithTagNameIterator ("COLUMN"))
        loaded->names.push_back (attributeNameOf (column));
    loaded->rows.reserve ((size_t) numRows);
    loaded->values.reserve ((size_t) numRows * loaded->width());
    // A row marked already when the tree arrived holds the user's values, not the loaded ones.
    for (auto* row : data->getChildWithTagNameIterator (kItem))
        if (! row->getBoolAttribute ("inserted") && ! row->getBoolAttribute ("modified"))
            loaded->add (row);
}

void SqlitetoXml::forgetLoadedRow (const XmlElement* row)
{
    ++treeVersion;
    if (loaded != nullptr)
        loaded->forget (row);
}

//==============================================================================
// The one save of marked rows

struct SqlitetoXml::PendingWrite
{
    enum class Kind { insert, update, softDelete, hardDelete, dropUnsaved };
    Kind kind = Kind::insert;
    String sql;                          // empty: nothing to run
    std::vector<XmlElement*> rows;       // the rows it saves
    String where;                        // the key condition of an UPDATE
    juce::Array<int> touched;            // positions the user changed (UPDATE)
    juce::StringArray storedAfter;       // the written table's columns as stored after the write
    juce::int64 changes = 0;
    juce::int64 newId = 0;
};

struct SqlitetoXml::SavePlan
{
    int parts = 0;
    juce::StringArray keys;
    String table;                        // written by INSERT and UPDATE
    String deleteTable, deleteColumn;    // found through the result name of the key
    juce::Array<int> insertColumns, updateColumns;    // positions in "COLUMNS"
    std::vector<const XmlElement*> column;            // "COLUMN" by position
    std::vector<PendingWrite> writes;
    int inserted = 0, modified = 0, deleted = 0;

    juce::StringArray namesOf (const juce::Array<int>& positions) const
    {
        juce::StringArray names;
        for (int p : positions)
            names.add (column[(size_t) p]->getStringAttribute ("org_name"));
        return names;
    }
    juce::Array<int> kindsOf (const juce::Array<int>& positions) const
    {
        juce::Array<int> kinds;
        for (int p : positions)
            kinds.add (column[(size_t) p]->getIntAttribute ("type", 0));
        return kinds;
    }
};

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

bool hasPart (int parts, int part) { return (parts & part) != 0; }
} // namespace

int SqlitetoXml::prepareSave (SavePlan& plan)
{
    if (hasPart (plan.parts, insertedRows | modifiedRows))
    {
        plan.table = findTable (plan.keys.isEmpty() ? String() : plan.keys[0]);
        if (columns == nullptr || columns->getNumChildElements() == 0 || plan.table.isEmpty())
        {
            vindoro::vlog ("SqlitetoXml::saveModified", "ERROR: table name not found");
            lastError = TRANS ("No table to save the rows to");
            return -3;
        }
    }
    if (hasPart (plan.parts, deletedRows))
    {
        const auto key = plan.keys.isEmpty() ? String() : plan.keys[0];
        if (columns != nullptr)
            for (auto* column : columns->getChildWithTagNameIterator ("COLUMN"))
                if (column->getStringAttribute ("name") == key)
                {
                    plan.deleteTable = column->getStringAttribute ("org_table");
                    plan.deleteColumn = column->getStringAttribute ("org_name");
                }
        if (plan.deleteTable.isEmpty())
        {
            vindoro::vlog ("SQLtoXml::saveDeleted", "ERROR: table not found");
            lastError = TRANS ("No table to save the rows to");
            return -3;
        }
        if (plan.deleteColumn.isEmpty())
        {
            vindoro::vlog ("SQLtoXml::saveDeleted", "ERROR: table identifier " + key + " original name not found");
            lastError = TRANS ("No table to save the rows to");
            return -4;
        }
    }

    int position = 0;
    if (columns != nullptr)
        for (auto* column : columns->getChildWithTagNameIterator ("COLUMN"))
        {
            plan.column.push_back (column);
            const auto name = column->getStringAttribute ("org_name");
            if (plan.table.isNotEmpty() && column->getStringAttribute ("org_table") == plan.table)
            {
                if (name != plan.keys[0])
                    plan.insertColumns.add (position);
                if (! plan.keys.contains (name))
                    plan.updateColumns.add (position);
            }
            ++position;
        }
    return 0;
}

bool SqlitetoXml::planInsert (XmlElement* row, SavePlan& plan)
{
    juce::StringArray names, values;
    for (int p : plan.insertColumns)
    {
        const auto* column = plan.column[(size_t) p];
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
    PendingWrite write;
    write.kind = PendingWrite::Kind::insert;
    write.sql = "INSERT INTO " + plan.table + " (" + names.joinIntoString (",") + ") VALUES (" + values.joinIntoString (",") + ");";
    write.rows.push_back (row);
    plan.writes.push_back (std::move (write));
    return true;
}

bool SqlitetoXml::readStored (const String& table, const juce::StringArray& columnNames, const juce::Array<int>& kinds,
                              const String& where, juce::StringArray& values, bool& found)
{
    values.clear();
    found = false;
    if (columnNames.isEmpty())
        return true;
    const String read = "SELECT " + columnNames.joinIntoString (",") + " FROM " + table + where;
    vindoro::vlog ("SqlitetoXml::saveModified", read);
    sqlite3_stmt* st = nullptr;
    int step = 0;
    if (! prepareAndStep ("SqlitetoXml::saveModified", read, st, step))
        return false;
    found = step == SQLITE_ROW;
    if (found)
        for (int i = 0; i < columnNames.size(); ++i)
            values.add (valueOfColumn (st, i, kinds[i]));
    sqlite3_finalize (st);
    return true;
}

bool SqlitetoXml::planUpdate (XmlElement* row, SavePlan& plan)
{
    juce::StringArray conditions, keyTexts;
    for (int k = plan.keys.size(); --k >= 0;)
    {
        const auto value = row->getStringAttribute (plan.keys[k]);
        String literal;
        if (! sqlvalue::numberLiteral (value, literal))
        {
            lastError = TRANS ("Not a number in column ") + plan.keys[k] + ": '" + value + "'";
            return false;
        }
        conditions.add (plan.keys[k] + "=" + literal);
        keyTexts.insert (0, plan.keys[k] + "=" + literal);
    }
    PendingWrite write;
    write.kind = PendingWrite::Kind::update;
    write.where = " WHERE " + conditions.joinIntoString (" AND ");
    write.rows.push_back (row);
    if (plan.updateColumns.isEmpty())
    {
        plan.writes.push_back (std::move (write));
        return true;
    }

    // The row as the database holds it now. A value the user did not change against what was
    // loaded is left alone (a NULL, a blob or a value of another type is never rewritten); a
    // value the user changed is written only while the stored one is still the loaded one.
    juce::StringArray stored;
    bool found = false;
    if (! readStored (plan.table, plan.namesOf (plan.updateColumns), plan.kindsOf (plan.updateColumns), write.where, stored, found))
        return false;
    if (! found)
    {
        lastError = TRANS ("Row not found in table ") + plan.table + write.where;
        return false;
    }

    const String* before = loaded != nullptr ? loaded->find (row) : nullptr;
    juce::StringArray sets, changedMeanwhile;
    for (int i = 0; i < plan.updateColumns.size(); ++i)
    {
        const int p = plan.updateColumns[i];
        const auto* column = plan.column[(size_t) p];
        const auto value = row->getStringAttribute (column->getStringAttribute ("name"));
        if (before != nullptr)
        {
            const auto& wasLoaded = before[p];
            if (value == wasLoaded)
                continue;
            write.touched.add (p);
            if (stored[i] == value)
                continue;   // the database holds the user's value already
            if (stored[i] != wasLoaded)
            {
                changedMeanwhile.add (column->getStringAttribute ("org_name"));
                continue;
            }
        }
        else
        {
            if (stored[i] == value)
                continue;
            write.touched.add (p);
        }
        String literal;
        if (! literalFor (column, value, literal))
        {
            lastError = refusalText (column, value);
            return false;
        }
        sets.add (column->getStringAttribute ("org_name") + "=" + literal);
    }
    if (! changedMeanwhile.isEmpty())
    {
        lastError = plan.table + " " + keyTexts.joinIntoString (", ") + " (" + changedMeanwhile.joinIntoString (", ") + "): "
                    + TRANS ("changed by another window meanwhile; reload");
        return false;
    }
    if (! sets.isEmpty())
        write.sql = "UPDATE " + plan.table + " SET " + sets.joinIntoString (",") + write.where + ";";
    plan.writes.push_back (std::move (write));
    return true;
}

bool SqlitetoXml::planSave (SavePlan& plan)
{
    std::vector<XmlElement*> switchedOff;
    juce::StringArray switchOffConditions;
    if (data != nullptr)
        for (auto* row : data->getChildWithTagNameIterator (kItem))
        {
            if (row->getBoolAttribute ("deleted"))
            {
                if (! hasPart (plan.parts, deletedRows))
                    continue;
                if (row->getBoolAttribute ("inserted"))
                {
                    // Never saved: there is nothing to delete in the database.
                    PendingWrite write;
                    write.kind = PendingWrite::Kind::dropUnsaved;
                    write.rows.push_back (row);
                    plan.writes.push_back (std::move (write));
                    continue;
                }
                // The key must be an integer: nothing else ever reaches the statement text.
                const auto text = row->getStringAttribute (plan.keys[0]);
                juce::int64 id = 0;
                if (! sqlvalue::parseCheckedInteger (text, id))
                {
                    lastError = TRANS ("Not an integer key in column ") + plan.deleteColumn + ": '" + text + "'";
                    return false;
                }
                if (row->hasAttribute ("active"))
                {
                    switchOffConditions.add (plan.deleteColumn + "=" + String (id));
                    switchedOff.push_back (row);
                }
                else
                {
                    PendingWrite write;
                    write.kind = PendingWrite::Kind::hardDelete;
                    write.sql = "DELETE FROM " + plan.deleteTable + " WHERE " + plan.deleteColumn + "=" + String (id) + ";";
                    write.rows.push_back (row);
                    plan.writes.push_back (std::move (write));
                }
            }
            else if (row->getBoolAttribute ("inserted"))
            {
                if (hasPart (plan.parts, insertedRows) && ! planInsert (row, plan))
                    return false;
            }
            else if (row->getBoolAttribute ("modified"))
            {
                if (hasPart (plan.parts, modifiedRows) && ! planUpdate (row, plan))
                    return false;
            }
        }

    if (! switchedOff.empty())
    {
        // Rows of a table with an "active" flag are switched off together, in one statement.
        PendingWrite write;
        write.kind = PendingWrite::Kind::softDelete;
        write.sql = "UPDATE " + plan.deleteTable + " SET active=0 WHERE " + switchOffConditions.joinIntoString (" OR ") + " OR  0";
        write.rows = std::move (switchedOff);
        plan.writes.push_back (std::move (write));
    }
    return true;
}

int SqlitetoXml::saveMarkedRows (const juce::StringArray& keys, int parts, bool addCount, SaveCounts* counts)
{
    ok = false;
    SavePlan plan;
    plan.parts = parts;
    plan.keys = keys;
    if (const int refused = prepareSave (plan); refused < 0)
        return refused;

    bool anyMarked = false;
    if (data != nullptr)
        for (auto* row : data->getChildWithTagNameIterator (kItem))
            if ((hasPart (parts, deletedRows) && row->getBoolAttribute ("deleted"))
                || (hasPart (parts, insertedRows) && isInserted (row)) || (hasPart (parts, modifiedRows) && isModified (row)))
                anyMarked = true;
    if (! anyMarked)
    {
        ok = true;
        return 0;
    }

    // One transaction: the stored rows read for the checks cannot change before the writes, and
    // a failure anywhere leaves the file as it was.
    DbTransaction transaction;
    if (! transaction.isActive())
    {
        lastError = transaction.getLastError();
        vindoro::vlog ("SqlitetoXml::saveMarkedRows", "ERROR: " + lastError);
        return -1;
    }
    auto fail = [&] (const String& why)
    {
        lastError = why;
        transaction.rollback();
        vindoro::vlog ("SqlitetoXml::saveMarkedRows", "ERROR: nothing saved: " + why);
        return -1;
    };

    if (! planSave (plan))
        return fail (lastError);

    bool warned = false;
    for (auto& write : plan.writes)
    {
        if (write.kind == PendingWrite::Kind::hardDelete && ! warned)
        {
            warned = true;
            vindoro::vlog ("SQLtoXml::saveDeleted", "WARNING: fix table " + plan.deleteTable + " deletion and update to new version deleting");
        }
        if (write.sql.isEmpty())
            continue;
        if (write.kind == PendingWrite::Kind::softDelete)
            vindoro::vlog ("SQLtoXml::saveDeleted", write.sql);
        if (! runStatement ("SqlitetoXml::sqlQueryNA", write.sql, &write.changes, &write.newId))
            return fail (lastError);

        bool found = true;
        if (write.kind == PendingWrite::Kind::update)
        {
            // An UPDATE that found no row saved nothing: never report it as saved.
            if (write.changes < 1)
                return fail (TRANS ("Row not found in table ") + plan.table);
            if (! readStored (plan.table, plan.namesOf (plan.updateColumns), plan.kindsOf (plan.updateColumns), write.where,
                              write.storedAfter, found))
                return fail (lastError);
        }
        else if (write.kind == PendingWrite::Kind::insert)
        {
            if (! readStored (plan.table, plan.namesOf (plan.insertColumns), plan.kindsOf (plan.insertColumns),
                              " WHERE rowid=" + String (write.newId), write.storedAfter, found))
                return fail (lastError);
        }
        if (! found)
            write.storedAfter.clear();
    }

    if (! transaction.commit())
    {
        lastError = transaction.getLastError().isNotEmpty() ? transaction.getLastError() : TRANS ("The save was not committed");
        vindoro::vlog ("SqlitetoXml::saveMarkedRows", "ERROR: nothing saved: " + lastError);
        return -1;
    }
    applySaved (plan, addCount);
    if (counts != nullptr)
        *counts = { plan.inserted, plan.modified, plan.deleted };
    ok = true;
    return plan.inserted + plan.modified + plan.deleted;
}

void SqlitetoXml::applySaved (SavePlan& plan, bool addCount)
{
    const auto key = plan.keys.isEmpty() ? String() : plan.keys[0];
    int removed = 0;
    auto drop = [this] (XmlElement* row)
    {
        forgetLoadedRow (row);
        if (data != nullptr)
            data->removeChildElement (row, true);
    };

    for (auto& write : plan.writes)
    {
        auto* row = write.rows.empty() ? nullptr : write.rows.front();
        switch (write.kind)
        {
            case PendingWrite::Kind::insert:
            {
                row->setAttribute (key, String (write.newId));
                row->removeAttribute ("inserted");
                ++plan.inserted;
                // From now on the new row compares with what it was stored as.
                if (loaded != nullptr && loaded->find (row) == nullptr)
                {
                    loaded->add (row);
                    auto* values = loaded->find (row);
                    for (int i = 0; i < write.storedAfter.size() && i < plan.insertColumns.size(); ++i)
                        values[plan.insertColumns[i]] = write.storedAfter[i];
                }
                break;
            }
            case PendingWrite::Kind::update:
            {
                row->removeAttribute ("modified");
                ++plan.modified;
                if (loaded == nullptr)
                    break;
                if (loaded->find (row) == nullptr)
                    loaded->add (row);
                auto* values = loaded->find (row);
                for (int i = 0; i < write.storedAfter.size() && i < plan.updateColumns.size(); ++i)
                    if (write.touched.contains (plan.updateColumns[i]))
                        values[plan.updateColumns[i]] = write.storedAfter[i];
                break;
            }
            case PendingWrite::Kind::softDelete:
            case PendingWrite::Kind::hardDelete:
                plan.deleted += (int) write.changes;
                removed += (int) write.rows.size();
                for (auto* r : write.rows)
                    drop (r);
                break;
            case PendingWrite::Kind::dropUnsaved:
                // Never counted in numRows either.
                drop (row);
                break;
        }
    }
    if (addCount && plan.inserted > 0)
        numRows += plan.inserted;
    numRows -= removed;
}

int SqlitetoXml::saveInserted (const String& key, bool addCount)
{
    vindoro::vlog ("SqlitetoXml::saveInserted", "inside");
    return saveMarkedRows (juce::StringArray (key), insertedRows, addCount);
}

int SqlitetoXml::saveModified (const juce::StringArray& keys)
{
    vindoro::vlog ("SqlitetoXml::saveModified", "inside");
    return saveMarkedRows (keys, modifiedRows, false);
}

int SqlitetoXml::saveModified (const String& key) { return saveModified (juce::StringArray (key)); }

String SqlitetoXml::plannedStatements (const juce::StringArray& keys, int parts, const char* method)
{
    vindoro::vlog (method, "inside");
    SavePlan plan;
    plan.parts = parts;
    plan.keys = keys;
    if (prepareSave (plan) < 0)
    {
        vindoro::vlog (method, "ERROR: table name not found");
        return {};
    }
    Lock lock (DbConnection::mutex());
    if (! planSave (plan))
    {
        vindoro::vlog (method, "ERROR: " + lastError);
        return {};
    }
    String all;
    for (auto& write : plan.writes)
        all << write.sql;
    return all;
}

String SqlitetoXml::getSaveInsertedSQL (const String& key)
{
    return plannedStatements (juce::StringArray (key), insertedRows, "SqlitetoXml::getSaveInsertedSQL");
}

String SqlitetoXml::getSaveModifiedSQL (const juce::StringArray& keys)
{
    return plannedStatements (keys, modifiedRows, "SqlitetoXml::getSaveModifiedSQL");
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
