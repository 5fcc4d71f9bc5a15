#pragma once
// The article stock of a past day: starts from the storage entries as they are now and undoes,
// newest first, every goods movement booked after the end of that day. Owned by the stock report
// that combines it with its browser, or by a report thread that reads the rows right after the
// reload. One object serves one thread at a time; each reload replaces the previous result.
#include "print/PorociloPogoj.h"
#include "warehouse/SkladisceListener.h"
#include "widgets/Pregled.h"

class ZalogaArtiklov : public Pregled,
                       public PorociloPogoj,
                       public SkladisceListener
{
public:
    static constexpr const char* kNoDatabase =
        "ERROR: ni baze podatkov. Verjetno si pozabil nekje dolocit db = , ali pa si klical konstruktor brez baze";
    static constexpr const char* kNoResult = "ERROR zaloge niso se nalozene";
    static constexpr const char* kMovementsFailed = "ERROR: the goods movements after the day could not be read";
    static constexpr const char* kStockFailed = "ERROR: the storage entries could not be read";
    /** Stands in the base query for the FROM part of each use. */
    static constexpr const char* kFromMarker = "{from table as h}";

    /** Works through `db` (not owned; may be null, and then every reload fails). */
    explicit ZalogaArtiklov (SqlitetoXml* db);
    ~ZalogaArtiklov() override;

    /** Computes the stock at the start-date text; false (no result kept) when it cannot. */
    bool reloadPregled() override;

    /** Adds the conditions of the stock query (active entries of kinds 2 and 3) and joins them all. */
    juce::String getPogoj() override;
    bool usesSkladisce() const override { return true; }

    /** Litres of all result rows; 0, logged, without a result. */
    double getTotalVolume();
    /** Appends a row holding only `hid` and `stevilo`; null without a result. */
    juce::XmlElement* addHramba (int hid, double stevilo);
    /** The result row of the storage entry, or null. */
    juce::XmlElement* findHramba (int hid);

    /** The result of the last reload (owned here), or null. */
    SQLtoXml* getStock() const { return scratch.get(); }
    /** Hands the result over to the caller; this object has none until the next reload. */
    std::unique_ptr<SQLtoXml> takeResult() { return std::move (scratch); }

    /** The base query with its FROM marker, built once. */
    static const juce::String& baseQuery();
    /** Every movement of an article of kinds 2 and 3 booked after `startDate`, newest first. */
    static juce::String movementQuery (const juce::String& startDate);
    /** The storage entries under `conditions`, by warehouse and article name. */
    static juce::String stockQuery (const juce::String& conditions);
};

/** Whether the article is withdrawn, missing, or cannot be read (through `db`, or a query object
    of its own when null); false only for an article read as active. */
bool isArtikelInactive (int artikelId, SqlitetoXml* db);
