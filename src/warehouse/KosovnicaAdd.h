#pragma once
// Adds one component line to a product's bill of materials, without its window: the checks, the
// question about a component with a bill of its own, then the journal entry, the outflow of the
// components for every piece of the product in stock, the bill (when the product has none yet)
// and the line, all in one transaction. The dialog hands over the two entries and the quantity
// and shows `error`. "Today" and the time of a new entry come from one clock a test can set.
#include "core/DateTime.h"
#include "warehouse/GoodsRecords.h"

#include <functional>

class SQLtoXml;

class KosovnicaAdd
{
public:
    /** Answers of a question: 1 Yes, 2 No, 0 Cancel. */
    using Question = std::function<int (const juce::String& title, const juce::String& message)>;
    using Clock = std::function<DateTime()>;

    static constexpr const char* kNoParent = "ERROR: ni ne hrambe ne parent artikla. Ignoring";
    static constexpr const char* kNoBill = "ERROR: ni dobilo kosovnice";
    static constexpr const char* kLineFailed = "ERROR: problem pri spreminjanju pkosovnice";

    explicit KosovnicaAdd (SQLtoXml& db);

    /** Runs the whole insertion. True when the line was booked, and also when it was left on
        purpose (the question answered No or Cancel, no product entry): `booked` tells them
        apart. False with `error` set (translated) when it was refused or failed; then nothing
        of it is left in the database. */
    bool insert();

    /** The product's entry (the owner browser's); its id below 1 means there is none. */
    Hramba parent;
    bool hasParent = true;
    /** The picked component's entry. */
    Hramba picked;
    /** Pieces of the component per piece of the product (already floored). */
    int kolicina = 0;
    /** Asks the question before anything is written; without it the answer is Cancel. */
    Question ask;

    juce::String error;
    bool booked = false;
    /** After a booking: the bill that holds the line and the journal entry of the outflow. */
    int kosovnicaId = 0;
    int glavnaId = 0;

    /** The most pieces of a component per product piece the entries allow: the component's
        count for a product with no pieces, else the whole part of their ratio. */
    static int maxCount (int parentCount, int pickedCount);

    /** Whether the product (kind 3) of this entry is on some invoice line; false when the query fails. */
    static bool isUsedOnInvoices (int hrambaId, SQLtoXml& db);

    /** The clock of every insertion; an empty function brings the real one back. */
    static void setClock (Clock clock);
    static DateTime now();

private:
    SQLtoXml& db;

    bool refuse (const juce::String& message);
    int journalEntry (const DateTime& at);
};
