#pragma once
// The save of an article in a warehouse, without its window: checks what was typed, asks its
// questions, then writes the article rows, the journal entry, the movements and the repackaging
// rows in one transaction, so a failure anywhere leaves nothing of the save behind. The dialog
// reads its rows into `record`, hands over the opened entry and the way to ask, and shows `error`.
#include "warehouse/GoodsRecords.h"

#include <functional>

class SQLtoXml;

class SkladisceArtikelSave
{
public:
    enum class Mode
    {
        add,        // a new entry in a warehouse, its count booked in
        edit,       // an entry on the plan: price in place, identity as a new version, count booked
        received    // an article of a received invoice: taken or made inactive, nothing booked
    };

    /** Answers of a question: 1 Yes, 2 No, 0 Cancel. */
    using Question = std::function<int (const juce::String& title, const juce::String& message)>;

    SkladisceArtikelSave (Mode mode, SQLtoXml& db);

    /** Runs the whole save; false with `error` set (already translated) when it refused or
        failed. On true `record` holds the article id that now holds the stock. */
    bool save();

    /** The current article of an identity: its id when active, its negated id when inactive, 0
        when there is none. A failed query also gives 0; `failed` (when given) tells it apart. */
    static int findArtikelId (const ArtikelRecord& artikel, SQLtoXml* db, bool* failed = nullptr);

    /** The entry as the rows give it: the article's name, kind, unit, batch link, price and VAT,
        the warehouse, the count (whole), the bill of materials and the batch. */
    Hramba record;
    /** The entry the dialog was opened with (the empty one in add and received mode). */
    Hramba orig;
    /** The remark of the journal entry. */
    juce::String opombe;
    /** Asks the questions (before the transaction opens); without it every question is Cancel. */
    Question ask;
    /** Told the fresh entry when the opened one changed in the database meanwhile. */
    Hramba::Listener* entryOwner = nullptr;
    /** Told the fresh batch when the picked one changed in the database meanwhile. */
    std::function<void (const SerijaRecord&)> freshSerija;

    juce::String error;
    /** The journal entry of the last booking (0 when none). */
    int glavnaId = 0;

private:
    Mode mode;
    SQLtoXml& db;

    bool refuse (const juce::String& message);
};
