#pragma once
// Books one bottling: wine of one vessel filled into a batch of bottles that enter a warehouse as
// the batch's article. Every check, the look-up of the batch's article and its question come
// first; one transaction then holds the change checks, the shares and every write (the article
// when new, the journal entry, the outflows and losses wine by wine, the composition, the batch's
// count, the goods inflow, the bottling row, the analysis), so a failure leaves nothing behind.
// No window: the bottling window fills the input from its rows and slots, tests fill it directly.
#include "cellar/posoda.h"
#include "core/Amount.h"
#include "core/DateTime.h"
#include "operations/AnalizaValues.h"
#include "warehouse/GoodsRecords.h"

#include <cstdint>
#include <functional>

class SQLtoXml;
class PosodaListener;
class SerijaListener;

struct StekleniceInput
{
    posoda vessel;                   // as picked (id -1 when none); its stock is the one the window shows
    SerijaRecord batch;              // id -1 when none
    SkladisceRecord warehouse;       // id -1 when none
    juce::String stevilo;            // the number-of-bottles text
    double kalo = 0.0;               // the loss row's litres
    juce::String cena;               // typed with the language's separator
    int ddv = 0;                     // the product VAT id; 0 for "Not selected"
    DateTime datum;
    juce::String opombe;
    const AnalizaValues* analize = nullptr;
    /** Asked with the translated question when the batch has its bottled-wine article already:
        true adds the bottles to it, false (or no function) refuses the booking. */
    std::function<bool (const juce::String& question)> addToExistingArticle;
    /** Get the fresh vessel and batch when they changed since they were picked (may be null). */
    PosodaListener* vesselWindow = nullptr;
    SerijaListener* batchWindow = nullptr;
};

struct StekleniceResult
{
    bool ok = false;
    juce::String error;   // translated, for the window's error box
    int glavna = 0;       // the posted entry; 0 when nothing was booked
    int artikel = 0;      // the batch's bottled-wine article the bottles went to
};

class StekleniceSave
{
public:
    static constexpr int kBottledWineUnit = 32;   // "steklenica"
    static constexpr const char* kMethod = "Steklenice::saveSteklenice";

    static StekleniceResult save (SQLtoXml& db, const StekleniceInput& input);

    /** One bottle's content in millionths of a litre: the model's volume times its unit's SI
        factor over a litre's; 0 for no batch, no model volume or no unit. */
    static std::int64_t bottleMillionths (const SerijaRecord& batch);
    /** The wine of `bottles` bottles, to the hundredth, halves away from zero. */
    static vindoro::Litres volumeOf (std::int64_t bottles, std::int64_t bottleMillionths);
    /** The whole bottles `litres` fill; 0 when a bottle holds nothing. */
    static std::int64_t bottlesIn (vindoro::Litres litres, std::int64_t bottleMillionths);
    /** The name of a batch's bottled-wine article: its variety and the vessel's vintage. */
    static juce::String articleName (const SerijaRecord& batch, const posoda& vessel);
};
