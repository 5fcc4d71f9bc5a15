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

/** Takes a row out of the tree and deletes it. */
void dropRow (XmlElement* dataElement, XmlElement* row)
{
    if (dataElement != nullptr)
        dataElement->removeChildElement (row, true);
}
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
        dropRow (data, row);
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
    dropRow (data, row);
    ok = true;
    return (int) changes;
}

int SQLtoXml::saveDeleted (const String& key)
{
    vindoro::vlog ("SQLtoXml::saveDeleted", "inside");
    ok = false;

    String table, tableColumn;
    if (columns != nullptr)
        for (auto* column : columns->getChildWithTagNameIterator ("COLUMN"))
            if (column->getStringAttribute ("name") == key)
            {
                table = column->getStringAttribute ("org_table");
                tableColumn = column->getStringAttribute ("org_name");
            }
    if (table.isEmpty())
    {
        vindoro::vlog ("SQLtoXml::saveDeleted", "ERROR: table not found");
        return -3;
    }
    if (tableColumn.isEmpty())
    {
        vindoro::vlog ("SQLtoXml::saveDeleted", "ERROR: table identifier " + key + " original name not found");
        return -4;
    }

    std::vector<XmlElement*> unsaved, soft, hard;
    juce::StringArray conditions;
    if (data != nullptr)
    {
        for (auto* row : data->getChildWithTagNameIterator (kItem))
        {
            if (! isDeleted (row))
                continue;
            if (row->getBoolAttribute ("inserted"))
                unsaved.push_back (row);
            else if (row->hasAttribute ("active"))
            {
                juce::int64 id = 0;
                if (! sqlvalue::parseCheckedInteger (row->getStringAttribute (key), id))
                {
                    lastError = TRANS ("Not an integer key in column ") + tableColumn + ": '" + row->getStringAttribute (key) + "'";
                    vindoro::vlog ("SQLtoXml::saveDeleted", "ERROR: " + lastError);
                    return -1;
                }
                conditions.add (tableColumn + "=" + String (id));
                soft.push_back (row);
            }
            else
                hard.push_back (row);
        }
    }

    // Rows that were never saved were never counted in numRows either.
    for (auto* row : unsaved)
        dropRow (data, row);

    int removed = 0;

    int count = 0;
    if (! soft.empty())
    {
        const String sql = "UPDATE " + table + " SET active=0 WHERE " + conditions.joinIntoString (" OR ") + " OR  0";
        vindoro::vlog ("SQLtoXml::saveDeleted", sql);
        juce::int64 changes = 0;
        if (! runStatement ("SqlitetoXml::sqlQueryNA", sql, &changes, nullptr))
        {
            numRows -= removed;
            return -1;
        }
        for (auto* row : soft)
            dropRow (data, row);
        removed += (int) soft.size();
        count += (int) changes;
    }

    bool failed = false;
    if (! hard.empty())
    {
        vindoro::vlog ("SQLtoXml::saveDeleted", "WARNING: fix table " + table + " deletion and update to new version deleting");
        for (auto* row : hard)
        {
            const int n = deleteRow (row, key);
            if (n < 0)
                failed = true;
            else
            {
                count += n;
                ++removed;
            }
        }
    }

    numRows -= removed;
    ok = ! failed;
    return failed ? -1 : count;
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
        dropRow (data, row);
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
