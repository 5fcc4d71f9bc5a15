#pragma once
// Books one wine-care operation on the wine of one vessel: a journal entry of type 30, the loss
// taken out of the vessel wine by wine, one loss row per wine that loses something, one operation
// row per wine, the declaration, price and VAT of the vessel, the treatments and the analysis.
// All of it or nothing: every check runs before the entry is posted, and one transaction holds
// the whole booking. The window fills the input from its rows and slots; tests fill it directly.
#include "cellar/PosodaListener.h"
#include "cellar/SortaRecord.h"
#include "core/DateTime.h"
#include "operations/SredstvoRecord.h"
#include "operations/WineOperationExtras.h"
#include <array>

class SQLtoXml;

struct VinskoOpraviloInput
{
    posoda vessel;                         // as picked; id -1 when none was
    bool declarationOpen = false;          // the declaration section
    SortaRecord declaredVariety;
    juce::String declaredVintage;          // the typed vintage
    int declaredGrade = 2;
    juce::String kalo;                     // the typed loss
    juce::String cena;                     // the typed price
    int ddv = 0;                           // the VAT id; 0 for "Not selected"
    DateTime datum;
    juce::String opombe;
    /** The picked agent of every treatment slot (1 sladkanje ... 9 maceracija), id -1 when none. */
    std::array<SredstvoRecord, 9> agents;
    /** The window's treatment and analysis holders; null stores none of them. */
    const WineOperationExtras* extras = nullptr;
    /** Gets the fresh vessel when it changed since it was picked (may be null). */
    PosodaListener* window = nullptr;
};

struct VinskoOpraviloResult
{
    bool ok = false;
    juce::String error;     // translated, for the window's error box
    int glavna = 0;         // the posted entry; 0 when nothing was booked
};

class VinskoOpraviloSave
{
public:
    static VinskoOpraviloResult save (SQLtoXml& db, const VinskoOpraviloInput& input);
};
