#include "db/SQLtoXml.h"
#include "db/SqlValueText.h"
#include "core/Log.h"

#include <juce_graphics/juce_graphics.h>

#include <vector>

using juce::String;
using juce::XmlElement;

namespace
{
const juce::Identifier kItem ("ITEM");
} // namespace

SQLtoXml::SQLtoXml() = default;

SQLtoXml::SQLtoXml (std::unique_ptr<XmlElement> tree) : SqlitetoXml (std::move (tree)) {}

SQLtoXml::~SQLtoXml()
{
    tables.clear();
}

bool SQLtoXml::addTable (const String& table)
{
    if (! tables.contains (table, false))
        tables.add (table);
    return true;
}

bool SQLtoXml::clearTables()
{
    tables.clear();
    return true;
}

int SQLtoXml::stealAllData (SQLtoXml*& source)
{
    if (source == nullptr)
    {
        vindoro::vlog ("SQLtoXml::stealAllData", "ERROR: ni pointerja na SQLtoXml");
        return 0;
    }
    auto tree = source->forgetResult();
    delete source;
    source = nullptr;
    attach (std::move (tree));
    return numRows;
}

int SQLtoXml::stealAllData (std::unique_ptr<SQLtoXml>& source)
{
    auto* raw = source.release();
    return stealAllData (raw);
}

int SQLtoXml::setResultCopy (const XmlElement* tree)
{
    if (tree == nullptr)
        return 0;
    attach (std::make_unique<XmlElement> (*tree));
    return numRows;
}

int SQLtoXml::deleteRow (XmlElement* row, const String& key)
{
    ok = false;
    if (row == nullptr)
        return -1;
    if (row->getBoolAttribute ("inserted"))
    {
        // Never saved: there is nothing to delete in the database.
        dropRow (row);
        ok = true;
        return 0;
    }

    if (columns == nullptr || columns->getNumChildElements() == 0)
        return -3;
    String table, tableColumn, keyName;
    for (auto* column : columns->getChildWithTagNameIterator ("COLUMN"))
    {
        table = column->getStringAttribute ("org_table");
        tableColumn = column->getStringAttribute ("org_name");
        keyName = column->getStringAttribute ("name");
        if (key.isEmpty() || keyName == key)
            break;
    }
    if (table.isEmpty())
        return -3;
    if (tableColumn.isEmpty())
        return -4;

    // The row's key is read under the name the result gave it, and must be an integer: nothing
    // else ever reaches the statement text.
    const String text = row->hasAttribute (keyName) ? row->getStringAttribute (keyName) : row->getStringAttribute (tableColumn);
    juce::int64 id = 0;
    if (! sqlvalue::parseCheckedInteger (text, id))
    {
        lastError = TRANS ("Not an integer key in column ") + tableColumn + ": '" + text + "'";
        vindoro::vlog ("SQLtoXml::deleteRow", "ERROR: " + lastError);
        return -1;
    }

    juce::int64 changes = 0;
    if (! runStatement ("SqlitetoXml::sqlQueryNA", "DELETE FROM " + table + " WHERE " + tableColumn + "=" + String (id) + ";",
                        &changes, nullptr))
        return -1;
    dropRow (row);
    ok = true;
    return (int) changes;
}

int SQLtoXml::saveDeleted (const String& key)
{
    vindoro::vlog ("SQLtoXml::saveDeleted", "inside");
    return saveMarkedRows (juce::StringArray (key), deletedRows, false);
}

void SQLtoXml::dropRow (XmlElement* row)
{
    forgetLoadedRow (row);
    if (data != nullptr)
        data->removeChildElement (row, true);
}

int SQLtoXml::removeDeleted()
{
    vindoro::vlog ("SQLtoXml::removeDeleted", "inside");
    ok = false;
    std::vector<XmlElement*> marked;
    if (data != nullptr)
        for (auto* row : data->getChildWithTagNameIterator (kItem))
            if (isDeleted (row))
                marked.push_back (row);
    for (auto* row : marked)
        dropRow (row);
    numRows -= (int) marked.size();
    ok = true;
    return (int) marked.size();
}

void SQLtoXml::setDeleted (XmlElement* row, bool deleted)
{
    if (row != nullptr)
        row->setAttribute ("deleted", deleted ? "1" : "0");
}

bool SQLtoXml::isDeleted (const XmlElement* row)
{
    return row != nullptr && row->getBoolAttribute ("deleted");
}

void SQLtoXml::setIgnStats (XmlElement* row)
{
    if (row != nullptr)
        row->setAttribute ("ign_stats", "1");
}

bool SQLtoXml::isIgnStats (const XmlElement* row)
{
    return row != nullptr && row->getBoolAttribute ("ign_stats");
}

void SQLtoXml::setBkgColour (XmlElement* row, juce::Colour colour)
{
    if (row != nullptr)
        row->setAttribute ("bkg_colour", colour.toString());
}

juce::Colour SQLtoXml::getBkgColour (const XmlElement* row)
{
    return juce::Colour::fromString (row != nullptr ? row->getStringAttribute ("bkg_colour") : String());
}

bool SQLtoXml::hasBkgColour (const XmlElement* row)
{
    return row != nullptr && row->hasAttribute ("bkg_colour");
}
