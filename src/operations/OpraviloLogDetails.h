#pragma once
// One journal entry in words: which detail tables hold rows of the entry, and for each kind
// present one part of text (a harvest's variety, parcel and kilograms, the litres moved from and
// into which vessels, the agents used, documents, bottling, loss ...), assembled in the database.
// Made on the stack per entry by the journal list and the wine journal, on their query object.
#include "operations/Opravilo.h"

#include <juce_core/juce_core.h>

class SqlitetoXml;

class Opravilo::LogDetails
{
public:
    static constexpr const char* kNoEntry = "ERROR: glavna nima vnosov za id:";

    LogDetails (int glavna, int opravilo, const juce::String& naslov, const juce::String& uporabnik, SqlitetoXml* db);
    ~LogDetails();

    /** Fills `opravila` with the types whose detail tables hold rows of the entry, in cache
        order; false for a negative entry id, without a cache, or when the entry is not found. */
    bool reloadOpravila();
    /** Builds the text, never empty once built: "." when nothing is known; false only for a
        negative entry id. */
    bool reloadText();
    const juce::String& getText() const { return text; }

    /** An id list such as "(4, 7)" rebuilt as "(4,7)" from the whole numbers in it, so that
        nothing else reaches the SQL; "" when it holds none. */
    static juce::String idListSql (const juce::String& list);

    /** The presence query over the given types of the cache (positions), as reloadOpravila runs it:
        the entry count, then 1 or 0 per type. */
    static juce::String countingQuery (const Opravilo& cache, const juce::Array<int>& joinedIndexes, int glavna);

    int glavna = -1;
    int opravilo = 0;
    juce::Array<int> opravila;
    juce::String naslov;
    juce::String uporabnik;
    /** Empty, or batch ids in parentheses such as "(4,7)": documents and goods only for their articles. */
    juce::String serijaFilter;
    juce::String text;
    SqlitetoXml* db = nullptr;

private:
    bool has (int type) const { return opravila.contains (type); }
    juce::String scalar (const juce::String& sql, bool logSql);
    void appendPart (const juce::String& sql);
    juce::String treatmentQuery (int type) const;
    juce::String documentQuery() const;
    juce::String transferQuery() const;
    juce::String goodsQuery() const;
    juce::String repackingQuery() const;
    juce::String id() const { return juce::String (glavna); }

    JUCE_DECLARE_NON_COPYABLE (LogDetails)
};
