#pragma once
// The query object that windows and record classes create: a SqlitetoXml that also keeps the
// tables a booking writes, deletes or switches off rows marked "deleted", and reads and writes the
// browser's row flags. Owned by the data layer; deletions write only checked integer keys.
#include "db/SqlitetoXml.h"

namespace juce
{
class Colour;
class Component;
}

class SQLtoXml : public SqlitetoXml
{
public:
    SQLtoXml();
    /** Holds a tree fetched elsewhere: detached, so it never opens or closes the connection. */
    explicit SQLtoXml (std::unique_ptr<juce::XmlElement> tree);
    ~SQLtoXml() override;

    using SqlitetoXml::sqlQuery;
    /** Loads a long result on a worker thread behind a progress window centred on `owner`.
        Defined with the progress-window loader, not in the data layer's engine code. */
    juce::XmlElement* sqlQuery (const juce::String& sql, juce::Component* owner);

    /** Registers a table the coming booking writes (each name once, case-sensitive). */
    bool addTable (const juce::String& table);
    bool clearTables();
    const juce::StringArray& getTables() const { return tables; }

    /** Takes the source's result over and deletes the source (nulling the caller's pointer). */
    int stealAllData (SQLtoXml*& source);
    int stealAllData (std::unique_ptr<SQLtoXml>& source);
    /** Makes a deep copy of `tree` this object's result; the tree stays with its owner. */
    int setResultCopy (const juce::XmlElement* tree);

    /** The deleted rows of the one save (saveMarkedRows): switches off (active=0) or deletes the
        rows marked "deleted", in one transaction; the rows really changed, or -1, -3, -4. */
    int saveDeleted (const juce::String& key);
    /** Deletes one row by its integer key; the rows really deleted (0 or 1), or -1, -3, -4. */
    int deleteRow (juce::XmlElement* row, const juce::String& key);
    /** Takes the rows marked "deleted" out of the tree without touching the database. */
    int removeDeleted();

    static void setDeleted (juce::XmlElement* row, bool deleted);
    static bool isDeleted (const juce::XmlElement* row);
    static void setIgnStats (juce::XmlElement* row);
    static bool isIgnStats (const juce::XmlElement* row);
    static void setBkgColour (juce::XmlElement* row, juce::Colour colour);
    static juce::Colour getBkgColour (const juce::XmlElement* row);
    static bool hasBkgColour (const juce::XmlElement* row);

private:
    juce::StringArray tables;

    /** Takes a row out of the tree and deletes it. */
    void dropRow (juce::XmlElement* row);
};
