#pragma once
// One value bound to a "?" of a statement (sqlite3_bind_*), for engine code that writes text it
// did not compose itself (imports, messages, replies): the text never becomes part of the SQL.
// Owned by the data layer; a plain value, copied freely.
#include "core/Amount.h"

#include <juce_core/juce_core.h>

#include <cstddef>

struct sqlite3_stmt;

class BoundValue
{
public:
    BoundValue (std::nullptr_t) {}
    BoundValue (int v) : kind (Kind::integer), integer (v) {}
    BoundValue (long v) : kind (Kind::integer), integer (v) {}
    BoundValue (long long v) : kind (Kind::integer), integer (v) {}
    BoundValue (double v) : kind (Kind::real), real (v) {}
    BoundValue (const juce::String& v) : kind (Kind::text), text (v) {}
    BoundValue (const char* v) : kind (v != nullptr ? Kind::text : Kind::null), text (juce::String::fromUTF8 (v)) {}
    /** Amounts and litres go in as the REAL the tables hold them as, written from their count. */
    template <typename Tag, int Places>
    BoundValue (vindoro::FixedDecimal<Tag, Places> v) : kind (Kind::real), real (v.toDouble()) {}

    /** Binds to the 1-based parameter `index`; the library's result code. */
    int bindTo (sqlite3_stmt* statement, int index) const;
    /** The value as a log shows it: NULL, a number, or the text quoted. */
    juce::String describe() const;

private:
    enum class Kind { null, integer, real, text };
    Kind kind = Kind::null;
    juce::int64 integer = 0;
    double real = 0.0;
    juce::String text;
};
