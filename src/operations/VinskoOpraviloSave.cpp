#include "operations/VinskoOpraviloSave.h"

#include "cellar/PosodaOps.h"
#include "core/Amount.h"
#include "core/Globals.h"
#include "core/Log.h"
#include "db/DbTransaction.h"
#include "db/SQLtoXml.h"
#include "operations/DeclarationChoice.h"
#include "operations/Glavna.h"
#include "operations/Opravilo.h"
#include "operations/WineTransfer.h"

using vindoro::Amount;
using vindoro::Litres;

namespace
{
const char* const kMethod = "VinskoOpravilo::saveVinskoOpravilo";

struct WineShare
{
    int vino = 0;
    Litres volumen;
    Litres loss;
};

/** A typed amount: the language's or either separator, digits past the hundredths cut; an empty
    or unreadable text is 0, as the number rows read it. */
template <typename T>
T typed (const juce::String& text)
{
    if (auto v = T::fromTypedText (text.trim()))
        return *v;
    return T();
}

void setSetting (const juce::String& key, const juce::var& value)
{
    if (auto* user = getUserSettings())
        user->setValue (key, value);
}
} // namespace

VinskoOpraviloResult VinskoOpraviloSave::save (SQLtoXml& db, const VinskoOpraviloInput& in)
{
    VinskoOpraviloResult result;
    auto fail = [&result] (const char* key, const juce::String& log)
    {
        vindoro::vlog (kMethod, log);
        result.error = TRANS (key);
        return result;
    };

    if (in.vessel.id == -1)
        return fail ("Posoda ni izbrana", "WARNING: out posoda not set");
    if (in.vessel.zaloga < 0.005)
        return fail ("Opravilo prazna posoda", "WARNING: volumen pretoka is " + juce::String (in.vessel.zaloga));

    const posoda unchanged = in.vessel;
    posoda changed = in.vessel;

    auto& declared = changed.tipizacija;
    if (in.declarationOpen)
    {
        const char* refusal = nullptr;
        const auto declaration = declarationFromSection (in.declaredVariety, in.declaredVintage, in.declaredGrade,
                                                         unchanged.tipizacija, refusal);
        if (! declaration)
            return fail (refusal, in.declaredVariety.id < 2 ? "WARNING: tipizacija brez sorte" : "WARNING: tipizacija brez letnika");
        declared = *declaration;
    }
    else
    {
        declared.id = unchanged.tipizacija.sorta.id == 1 ? unchanged.tipizacija.id : 1;
    }

    WineTransfer::addTables (&db);
    Glavna::addTables (&db);
    db.addTable ("vinopravilo");

    if (PosodaOps::reloadCompareSet (unchanged, &db, in.window, 1))
        return fail ("Vsebina posode se je med urejanjem spremenila. Preverite kolicine.", "WARNING: posoda se je spremenila");

    // The wines are read once, before anything is written, largest first, so that the loss shares
    // are settled in hundredths and the leftover hundredths go to the wines that hold most.
    std::vector<WineShare> wines;
    {
        const auto rows = db.sqlFetch ("SELECT vino,volumen FROM zaloga WHERE posoda=" + juce::String (unchanged.id)
                                       + " ORDER BY volumen DESC, id");
        const auto* data = rows != nullptr ? rows->getChildByName ("DATA") : nullptr;
        if (data == nullptr)
            return fail ("belezenje vinopravilo ni uspela", "ERROR: zaloge posode ni mogoce prebrati");
        for (auto* row : data->getChildIterator())
        {
            WineShare w;
            w.vino = row->getIntAttribute ("vino");
            w.volumen = Litres::fromStoredDouble (row->getDoubleAttribute ("volumen")).value_or (Litres());
            wines.push_back (w);
        }
    }
    vindoro::vlog (kMethod, "Iz posode id:" + juce::String (unchanged.id) + " bomo obdelali " + juce::String ((int) wines.size()) + " vin");

    Litres stock;
    std::vector<Litres> weights;
    for (const auto& w : wines)
    {
        stock += w.volumen;
        weights.push_back (w.volumen);
    }
    if (wines.empty() || ! (stock > Litres()))
        return fail ("Opravilo prazna posoda", "WARNING: volumen pretoka is " + stock.toSql());

    const auto loss = typed<Litres> (in.kalo);
    if (loss > stock || loss.isNegative())
        return fail ("Kalo je vecji od zaloge", "WARNING: kalo " + loss.toSql() + " je večje od volumna " + stock.toSql());
    const auto shares = vindoro::splitLargestRemainder (loss, weights);
    for (size_t i = 0; i < wines.size(); ++i)
        wines[i].loss = shares[i];

    const auto price = typed<Amount> (in.cena);
    if (price.isNegative())
        return fail ("Cena artikla ni podana!", "WARNING: cena je negativna");
    setSetting ("OdprtoAddArtikel:cenaizdelka", price.toDouble());
    if (in.ddv < 1)
        return fail ("DDV artikla ni podan!", "WARNING: ddv ni izbran");
    setSetting ("OdprtoAddArtikel:ddvizdelka", in.ddv);

    std::array<int, 9> agentIds {};
    for (size_t i = 0; i < agentIds.size(); ++i)
        agentIds[i] = in.agents[i].id;
    if (in.extras != nullptr)
        if (const auto reason = in.extras->checkNumbers (agentIds); reason.isNotEmpty())
        {
            vindoro::vlog (kMethod, "WARNING: " + reason);
            result.error = reason;
            return result;
        }

    DbTransaction transaction;
    auto abort = [&transaction, &fail] (const char* key, const juce::String& log)
    {
        transaction.rollback();
        return fail (key, log);
    };
    if (! transaction.isActive())
        return fail ("belezenje vinopravilo ni uspela", "ERROR: " + transaction.getLastError());

    Glavna entry;
    const int glavna = entry.vknjizi (&db, in.datum, OperationType::wineCare, in.opombe);
    if (glavna < 1)
        return abort ("belezenje vinopravilo ni uspela", "ERROR: vknjizba ni uspela");

    WineTransfer transfer (glavna, &db);
    const auto vesselId = juce::String (unchanged.id);
    for (const auto& w : wines)
    {
        if (w.loss > Litres())
        {
            transfer.allowZero = false;
            if (! transfer.transfer (2, unchanged.id, w.loss, w.vino))
                return abort ("belezenje vinopravilo ni uspela",
                              "ERROR:Pretok ni uspel. Nismo uspeli odtociti iz  posode.(sprememba tabele zaloga)");
            if (! db.sqlQueryNA ("INSERT INTO kalo(glavna,vino,volumen) VALUES('" + juce::String (glavna) + "','"
                                 + juce::String (w.vino) + "','" + w.loss.toSql() + "');"))
                return abort ("belezenje vinopravilo ni uspela",
                              "ERROR: Pretok ni uspel. Nismo uspeli odtociti iz  posode.(sprememba tabele kalo)");
        }
        if (! db.sqlQueryNA ("INSERT INTO vinopravilo(glavna,posoda,volumen,vino) VALUES(" + juce::String (glavna) + ","
                             + vesselId + "," + w.volumen.toSql() + "," + juce::String (w.vino) + ")"))
            return abort ("belezenje vinopravilo ni uspela", "ERROR Vinsko opravilo ni uspel -  vnos v tabelo vinopravilo");
    }

    juce::String reason;
    if (! PosodaOps::prenosPosode (&db, unchanged, changed, in.opombe, glavna, &reason))
    {
        transaction.rollback();
        vindoro::vlog (kMethod, "ERROR:Spememba tipizacije ni uspela");
        result.error = reason.isNotEmpty() ? reason : TRANS ("belezenje vinopravilo ni uspela");
        return result;
    }
    if (! db.sqlQueryNA ("UPDATE posoda SET cena=" + price.toSql() + ",ddv=" + juce::String (in.ddv) + " WHERE id=" + vesselId))
        return abort ("belezenje vinopravilo ni uspela", "ERROR:Spememba tipizacije ni uspela");

    juce::String extrasError;
    if (in.extras != nullptr && ! in.extras->store (agentIds, stock.toDouble(), glavna, extrasError))
    {
        transaction.rollback();
        result.error = extrasError.isNotEmpty() ? extrasError : TRANS ("belezenje vinopravilo ni uspela");
        return result;
    }

    if (! transaction.isStillOpen() || ! transaction.commit())
        return fail ("belezenje vinopravilo ni uspela", "ERROR: " + transaction.getLastError());

    result.ok = true;
    result.glavna = glavna;
    return result;
}
