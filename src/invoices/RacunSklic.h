#pragma once
// The payment reference of a stored invoice, by the setting "sklic_mode". Owned by the
// invoices subsystem; the schema upgrade to version 4 fills every invoice's reference with it.
#include <juce_core/juce_core.h>

class SqlitetoXml;

/** Reads the invoice with one query (on `db` when given, else on a query object of its own) and
    builds its reference: mode 1 SI00 of year and number, mode 10 RF of the first 19 characters
    of its number label, any other mode "Ne obstaja tak tip sklica!". Writes nothing. */
juce::String getRacunSklic (int racunId, SqlitetoXml* db = nullptr);
