#pragma once
// Booking opening stock of a wine into a vessel: the wine found or made by parcel, variety and
// vintage, its inflow, the vessel's declaration and the opening-stock row, all in one transaction
// after every check (the free space of the vessel included). No window.
#include "cellar/posoda.h"
#include "core/DateTime.h"

class SQLtoXml;
class PosodaListener;

/** What the stock entry window holds when Save is pressed. */
struct VnosZalogForm
{
    posoda vessel;                 // vessel slot 1, as it was when picked
    SortaRecord sorta;             // variety slot 1
    int letnik = 0;                // the stored vintage
    juce::String kolicina;         // "Quantity", typed with the language's separator
    int parcela = -1;              // the picked parcel, below 0 when none
    bool declarationOpen = false;
    SortaRecord tipSorta;          // variety slot 2
    juce::String tipLetnik;
    int kvaliteta = 2;
    juce::String opombe;
    DateTime datum;
};

class VnosZalogSave
{
public:
    /** Books the entry; false with the translated reason in error and nothing written. `window`
        (may be null) gets a vessel that changed since it was picked in its slot 1. On success
        entry holds the journal entry and vessel the vessel with its raised stock. */
    static bool save (SQLtoXml& db, const VnosZalogForm& form, PosodaListener* window, juce::String& error,
                      int* entry = nullptr, posoda* vessel = nullptr);

    /** The vintage the wine entry forms start with: the last one saved, else this year. */
    static int rememberedVintage();
    /** Keeps a vintage above 0 for the next wine entry form. */
    static void rememberVintage (int letnik);
    /** The id of the wine of that parcel, variety and vintage; 0 when there is none (nothing is
        written, a failed query counts as none). */
    static int findWine (SQLtoXml& db, int parcela, int sorta, int letnik);
};
