#pragma once
// Follows the wine of one journal entry forward from vessel to vessel, each time to the earliest
// later entry that took wine out of the vessel it went into, until a given bottling is reached or
// no such entry comes before the bottling's date. The batch history keeps an entry only when this
// chain reaches one of the batch's bottlings. Made by the caller per entry, over its query object.
#include "operations/Opravilo.h"

#include <map>
#include <vector>

class SqlitetoXml;

class Opravilo::PretokTools
{
public:
    /** The journal rows a chain walks ("id", "datum", "pretokinposoda", "pretokoutposoda",
        "vinopraviloposoda"), indexed by entry and by outflow vessel in date order, so that each
        step finds its successor without scanning every row. Rows marked deleted after the index
        was built are still skipped. Holds pointers into the rows: build it after the last row
        was added and drop it before the rows go. */
    class RowIndex
    {
    public:
        explicit RowIndex (const juce::XmlElement* rows);

        struct Entry
        {
            juce::XmlElement* row = nullptr;
            juce::int64 time = 0;   // ms since the epoch; unreadable dates count as now
            int order = 0;          // position in the row list
        };

        /** The first row not marked deleted with this id, or null. */
        const Entry* find (int id) const;
        /** The earliest row not marked deleted that took wine out of `posoda` dated after t0 and not after t1 (equal dates: row order). */
        const Entry* nextOut (int posoda, juce::int64 t0, juce::int64 t1) const;

        /** Chains already walked towards a bottling: every entry on a walk shares its answer. Valid
            while no row is newly marked deleted; the caller calls rowsChanged after marking one. */
        const bool* knownAnswer (int bottling, int entry) const;
        void rememberAnswer (int bottling, const std::vector<int>& entries, bool linked) const;
        void rowsChanged() const { answers.clear(); }

    private:
        mutable std::map<std::pair<int, int>, bool> answers;
        std::vector<Entry> entries;
        std::map<int, std::vector<int>> byId;      // entry id -> positions in row order
        std::map<int, std::vector<int>> byOutflow; // vessel -> positions by (time, order)
    };

    PretokTools (int glavna, SqlitetoXml* db);

    /** Whether the chain from this entry reaches the bottling entry; `rows` null asks the database. */
    bool greDoSteklenicenja (int steklenicenje, const juce::XmlElement* rows);
    bool greDoSteklenicenja (int steklenicenje, const RowIndex& rows);

    /** One step of the chain from entry `a`; `posodaSteklenicenja` is only logged. */
    bool greDoSteklenicenjaRecursive (int a, int posodaSteklenicenja, int steklenicenje, const juce::String& datumSteklenicenja,
                                      const juce::XmlElement* rows);

    static juce::int64 timeOf (const juce::String& datum);

private:
    bool followInDatabase (int a, int posodaSteklenicenja, int steklenicenje, const juce::String& datumSteklenicenja);
    bool followInRows (int a, int posodaSteklenicenja, int steklenicenje, const juce::String& datumSteklenicenja, const RowIndex& rows);

    int glavna;
    SqlitetoXml* db;
};
