#pragma once
// Booking a harvest: grapes of one variety from one parcel and vintage, pressed into must that
// flows into one vessel. Every check runs first; the journal entry, the wine identity, the must,
// the vessel's declaration, price and VAT, the harvest row, the treatments and the analysis are
// then written in one transaction, so a failure leaves nothing behind. No window.
#include "cellar/posoda.h"
#include "core/DateTime.h"
#include "operations/WineOperationExtras.h"

class SQLtoXml;
class PosodaListener;

/** What the harvest window holds when OK is pressed. */
struct TrgatevForm
{
    posoda vessel;                 // vessel slot 1
    SortaRecord sorta;             // variety slot 1
    int parcela = -1;
    int letnik = 0;                // the last accepted vintage
    juce::String mosta;            // "Quantity juice", litres as typed
    juce::String grozdja;          // "Quantity grapes", kg as typed
    bool declarationOpen = false;
    SortaRecord tipSorta;          // variety slot 2
    juce::String tipLetnik;
    int kvaliteta = 2;
    DateTime datum;                // the booking date
    int ddv = 0;
    juce::String cena;
    juce::String opombe;
    std::array<int, 9> agents {};  // the agent ids of the nine treatment slots
};

class TrgatevSave
{
public:
    /** Books the harvest; false with the translated reason in error and nothing written. `window`
        (may be null) gets the fresh vessel in its slot when the vessel changed since it was picked.
        On success entry holds the journal entry's id. */
    static bool save (SQLtoXml& db, const TrgatevForm& form, const WineOperationExtras& extras,
                      PosodaListener* window, juce::String& error, int* entry = nullptr);
};
