#pragma once
// The batch register's reads and writes without a window: the shared batch query and its row
// reader, the re-read and field-by-field compare that bottling and the warehouse run before they
// book, the saves of the batch dialog, and the composition rows that bottling adds to.
#include "warehouse/GoodsRecords.h"

class SQLtoXml;

class SerijaStore
{
public:
    /** The listed batches with their variety, model, grade and unit; callers append " AND ..." */
    static const juce::String& query();
    /** The composition rows of batches with each wine's share of its batch; callers append a WHERE. */
    static const juce::String& kompozicijaQuery();

    /** id -1, empty texts, count 0. */
    static SerijaRecord empty();
    /** The batch a row of the batch query stands for; null gives the empty record. */
    static SerijaRecord interpretXml (const juce::XmlElement* row);

    /** Re-reads the batch by its id (over `db`, or a query object of its own); false when it is not listed or the query failed. */
    static bool reloadSerija (SerijaRecord& record, SQLtoXml* db);
    /** Whether every field agrees (counts, factors and volumes within 1e-6); the first difference is logged. */
    static bool compare (SerijaRecord a, SerijaRecord b);

    enum class Saved
    {
        inserted,
        revived,    // a removed batch with the same five values listed again, with its own id, count and date
        twin,       // a listed batch has the same five values: nothing written
        failed
    };
    /** A new batch from the dialog; the record's id becomes the stored row's. */
    static Saved saveNew (SerijaRecord& record);
    /** Rewrites every field but `active` of the record's row, dated now; refused when another listed batch is its twin. */
    static Saved saveEdit (const SerijaRecord& record);

    /** Adds the litres of one wine from one vessel to one batch: one row per triple holding the sum. */
    static bool dodajVino (int serija, int vino, double volumen, int posoda, SQLtoXml* db);

    /** Ids below this count as no variety or model chosen (1 is the placeholder row). */
    static constexpr int kFirstRealId = 2;
};

/** "variety, 0.75l, 2017-label": the variety name, the bottle volume with two decimals and its unit, vintage and label. */
juce::String formatSerija (const juce::String& sortaName, SerijaRecord serija);
