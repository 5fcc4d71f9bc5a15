#include "db/BoundValue.h"
#include "db/SqlValueText.h"

#include <sqlite3.h>

int BoundValue::bindTo (sqlite3_stmt* statement, int index) const
{
    switch (kind)
    {
        case Kind::integer: return sqlite3_bind_int64 (statement, index, (sqlite3_int64) integer);
        case Kind::real:    return sqlite3_bind_double (statement, index, real);
        case Kind::text:
        {
            const auto utf8 = text.toUTF8();
            return sqlite3_bind_text (statement, index, utf8.getAddress(), (int) text.getNumBytesAsUTF8(), SQLITE_TRANSIENT);
        }
        case Kind::null: break;
    }
    return sqlite3_bind_null (statement, index);
}

juce::String BoundValue::describe() const
{
    switch (kind)
    {
        case Kind::integer: return juce::String (integer);
        case Kind::real:    return sqlvalue::formatRealShortest (real);
        case Kind::text:    return text.quoted ('\'');
        case Kind::null:    break;
    }
    return "NULL";
}
