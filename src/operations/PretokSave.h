#pragma once
// Booking a transfer: a volume racked from one vessel into another, every wine of the source
// giving the same share, with a loss that leaves the source without reaching the target. Every
// check and every share is settled first; the journal entry, the movements, the loss rows, the
// target's declaration, price and VAT, the treatments and the analysis are then written in one
// transaction, so a failure leaves nothing behind. No window.
#include "cellar/posoda.h"
#include "core/DateTime.h"
#include "operations/WineOperationExtras.h"

#include <functional>

class SQLtoXml;
class PosodaListener;

/** What the transfer window holds when OK is pressed. */
struct PretokForm
{
    posoda source;                 // vessel slot 1
    posoda target;                 // vessel slot 2
    double volumen = 0.0;          // "Quantity" slider
    double kalo = 0.0;             // "Kalo" slider
    bool declarationOpen = false;
    SortaRecord tipSorta;          // variety slot 1
    juce::String tipLetnik;
    int kvaliteta = 2;
    DateTime datum;
    int ddv = 0;
    juce::String cena;             // typed with the language's separator
    juce::String opombe;
    std::array<int, 9> agents {};
    /** Asked when the undeclared target would take a declared source's wine: true copies the
        source's declaration, false refuses the save. */
    std::function<bool()> copySourceDeclaration;
};

class PretokSave
{
public:
    /** Books the transfer; false with the translated reason in error and nothing written. `window`
        (may be null) gets a vessel that changed since it was picked in its slot. On success entry
        holds the journal entry's id. */
    static bool save (SQLtoXml& db, const PretokForm& form, const WineOperationExtras& extras,
                      PosodaListener* window, juce::String& error, int* entry = nullptr);
};
