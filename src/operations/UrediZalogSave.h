#pragma once
// Booking a correction of one wine in a vessel: more (opening stock), less (write-off), moved to
// another vessel, or another variety, parcel or vintage, with the vessel's declaration, price and
// VAT. Every check first (both vessels re-read, the free space, a move keeping its litres), then
// one transaction, so a failure leaves nothing behind. No window.
#include "cellar/posoda.h"
#include "core/DateTime.h"
#include "operations/VinoRecord.h"

class SQLtoXml;
class PosodaListener;

/** What the wine editor holds when Save is pressed. */
struct UrediZalogForm
{
    posoda loadedVessel;           // the vessel the wine was opened in
    VinoRecord loaded;             // the wine as the list showed it
    posoda vessel;                 // vessel slot 1, as last picked
    VinoRecord wine;               // the wine with the identity now chosen
    juce::String kolicina;         // "Quantity", typed with the language's separator
    bool declarationOpen = false;
    SortaRecord tipSorta;          // variety slot 2
    juce::String tipLetnik;
    int kvaliteta = 2;
    juce::String opombe;
    DateTime datum;
};

class UrediZalogSave
{
public:
    /** Books the correction; false with the translated reason in error and nothing written.
        `window` (may be null) gets a picked vessel that changed meanwhile in its slot 1. On
        success entry holds the journal entry booked (-1 when nothing needed one). */
    static bool save (SQLtoXml& db, const UrediZalogForm& form, PosodaListener* window, juce::String& error,
                      int* entry = nullptr);
};
