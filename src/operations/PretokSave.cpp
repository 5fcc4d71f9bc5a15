#include "operations/PretokSave.h"

#include "cellar/PosodaOps.h"
#include "core/Amount.h"
#include "core/Globals.h"
#include "core/Log.h"
#include "core/TextHelpers.h"
#include "db/DbTransaction.h"
#include "db/SQLtoXml.h"
#include "operations/DeclarationChoice.h"
#include "operations/Glavna.h"
#include "operations/Opravilo.h"
#include "operations/TransferShares.h"
#include "operations/WineTransfer.h"

using vindoro::Amount;
using vindoro::Litres;

namespace
{
constexpr const char* kMethod = "Pretok::savePretok";

bool refuse (juce::String& error, const char* key, const juce::String& log = {})
{
    if (log.isNotEmpty())
        vindoro::vlog (kMethod, log);
    error = TRANS (key);
    return false;
}

Litres litres (double value)
{
    return Litres::fromStoredDouble (value).value_or (Litres());
}
} // namespace

bool PretokSave::save (SQLtoXml& db, const PretokForm& form, const WineOperationExtras& extras,
                       PosodaListener* window, juce::String& error, int* entry)
{
    const auto& source = form.source;
    const auto& target = form.target;
    if (source.id < 1)
        return refuse (error, "Posoda ni izbrana", "WARNING: out posoda not set");
    if (target.id < 1)
        return refuse (error, "Posoda ni izbrana", "WARNING: in posoda not set");
    const auto volume = litres (form.volumen);
    auto loss = litres (form.kalo);
    if (volume <= Litres())
        return refuse (error, "Volumen pretoka ni dolocen", "WARNING: volumen pretoka is  " + volume.toSql());
    // Racking a vessel into itself would move its wine in and out of the same place.
    if (source.id == target.id)
        return refuse (error, "Izvorna in ciljna posoda sta ista", "WARNING: izvorna in ciljna posoda sta ista id:" + juce::String (source.id));
    if (loss.isNegative())
        return refuse (error, "Kalo je vecji od zaloge");

    posoda changed = target;
    bool counted = false;
    int varieties = 0;
    if (form.declarationOpen)
    {
        const char* refusal = nullptr;
        const auto declaration = declarationFromSection (form.tipSorta, form.tipLetnik, form.kvaliteta, target.tipizacija, refusal);
        if (! declaration)
            return refuse (error, refusal);
        changed.tipizacija = *declaration;
    }
    else
    {
        if (target.tipizacija.sorta.id != 1)
        {
            changed.tipizacija = TipizacijaRecord();
            changed.tipizacija.id = 1;
        }
        if (source.tipizacija.sorta.id >= 2)
        {
            if (! form.copySourceDeclaration || ! form.copySourceDeclaration())
                return refuse (error, "Tipizacija ni izbrana", "WARNING: tipizacija id is " + juce::String (form.tipSorta.id));
            changed.tipizacija = source.tipizacija;
        }
        else
        {
            const auto count = db.sqlQueryInt (
                "SELECT COUNT(DISTINCT sorta.id) FROM zaloga INNER JOIN vino ON zaloga.vino = vino.id INNER JOIN sorta ON vino.sorta = sorta.id "
                "WHERE zaloga.volumen>0 AND ( zaloga.posoda = " + juce::String (target.id) + " OR zaloga.posoda = " + juce::String (source.id) + ")");
            if (db.ok)
            {
                counted = true;
                varieties = (int) count;
                if (varieties > 1)
                    return refuse (error, "Tipizacija ni izbrana", "WARNING: tipizacija id is " + juce::String (form.tipSorta.id));
            }
        }
    }

    WineTransfer::addTables (&db);
    Glavna::addTables (&db);
    db.addTable ("kalo");

    if (PosodaOps::reloadCompareSet (source, &db, window, 1) || PosodaOps::reloadCompareSet (target, &db, window, 2))
        return refuse (error, "Vsebina posode se je med urejanjem spremenila. Preverite kolicine.");

    // The stock as its wines hold it, so the shares below split exactly what is there.
    std::vector<std::pair<int, Litres>> wines;
    {
        auto rows = db.sqlFetch ("SELECT vino,volumen FROM zaloga WHERE posoda=" + juce::String (source.id) + " ORDER BY volumen DESC, id");
        if (rows == nullptr || rows->getChildByName ("DATA") == nullptr)
            return refuse (error, "belezenje pretok ni uspela", "ERROR: zaloge izvorne posode ni mogoce prebrati");
        for (auto* row : rows->getChildByName ("DATA")->getChildIterator())
            wines.emplace_back (row->getIntAttribute ("vino"), litres (row->getDoubleAttribute ("volumen")));
    }
    Litres stock;
    for (auto& w : wines)
        stock += w.second;

    if (loss > stock)
        return refuse (error, "Kalo je vecji od zaloge", "WARNING: kalo " + loss.toSql() + " je večje od volumna " + volume.toSql());
    if (stock - volume - loss < Litres())
        return refuse (error, "Volumen pretoka je vecji od zaloge",
                       "WARNING: volumen " + volume.toSql() + " je večje od zaloge " + stock.toSql() + " in kala " + loss.toSql());
    const auto capacity = litres (target.volumen);
    const auto targetStock = litres (target.zaloga);
    if (volume > capacity - targetStock)
        return refuse (error, "Volumen pretoka je vecji od placa",
                       "WARNING: volumen " + volume.toSql() + " je večje od zaloge " + stock.toSql() + " in kala " + loss.toSql());

    const auto price = Amount::fromStoredDouble (parseDecimal2 (form.cena)).value_or (Amount());
    if (price.isNegative())
        return refuse (error, "Cena artikla ni podana!");
    if (auto* settings = getUserSettings())
        settings->setValue ("Pretok:cenavina", price.toDouble());
    if (form.ddv < 1)
        return refuse (error, "DDV artikla ni podan!");
    if (auto* settings = getUserSettings())
        settings->setValue ("OdprtoAddArtikel:ddvizdelka", form.ddv);

    if (auto refusal = extras.checkNumbers (form.agents); refusal.isNotEmpty())
    {
        error = refusal;
        return false;
    }

    const auto shares = shareTransfer (wines, volume, loss);
    vindoro::vlog (kMethod, "saving this pretok labelklet:" + source.klet.ime);
    vindoro::vlog (kMethod, "Iz posode id:" + juce::String (source.id) + " bomo pretocili vina v razmerju "
                                + juce::String (volume.toDouble() / stock.toDouble(), 2));

    DbTransaction transaction;
    auto fail = [&] (const juce::String& text)
    {
        transaction.rollback();
        error = text;
        return false;
    };
    if (! transaction.isActive())
        return fail (TRANS ("belezenje pretok ni uspela"));

    Glavna glavna;
    const int id = glavna.vknjizi (&db, form.datum, OperationType::wineTransfer, form.opombe);
    if (id < 1)
        return fail (TRANS ("belezenje pretok ni uspela"));

    WineTransfer engine (id, &db);
    engine.allowZero = true;
    // Smallest wine first, as the cellar book has always listed them.
    for (auto share = shares.rbegin(); share != shares.rend(); ++share)
    {
        vindoro::vlog (kMethod, "vino " + juce::String (share->vino) + " dotok " + share->inflow.toSql() + " odtok "
                                    + share->outflow.toSql() + " kalo " + share->loss.toSql());
        if (! engine.transfer (Transfer::kInto, target.id, share->inflow, share->vino))
        {
            vindoro::vlog (kMethod, "ERROR Pretok ni uspel. Nismo uspeli napolniti vino v posodo. (vnos v tabelo pretok)");
            return fail (TRANS ("belezenje pretok ni uspela"));
        }
        if (! engine.transfer (Transfer::kOutOf, source.id, share->outflow, share->vino))
        {
            vindoro::vlog (kMethod, "Pretok ni uspel. Nismo uspeli odtociti iz  posode.(sprememba tabele zaloga)");
            return fail (TRANS ("belezenje pretok ni uspela"));
        }
        if (share->loss > Litres()
            && ! db.sqlQueryNA ("INSERT INTO kalo(glavna,vino,volumen) VALUES('" + juce::String (id) + "','"
                                + juce::String (share->vino) + "','" + share->loss.toSql() + "');"))
        {
            vindoro::vlog (kMethod, "Pretok ni uspel. Nismo uspeli odtociti iz  posode.(sprememba tabele kalo)");
            return fail (TRANS ("belezenje pretok ni uspela"));
        }
    }

    if (! (counted && varieties == 1) && ! engine.deactivatePosodaArtikel (target.id))
        return fail (TRANS ("belezenje pretok ni uspela"));

    juce::String declarationError;
    if (! PosodaOps::prenosPosode (&db, target, changed, form.opombe, id, &declarationError))
    {
        vindoro::vlog (kMethod, "Spememba tipizacije ni uspela");
        return fail (declarationError.isNotEmpty() ? declarationError : TRANS ("belezenje pretok ni uspela"));
    }
    if (! db.sqlQueryNA ("UPDATE posoda SET cena=" + price.toSql() + ",ddv=" + juce::String (form.ddv) + " WHERE id=" + juce::String (target.id)))
    {
        vindoro::vlog (kMethod, "Spememba tipizacije ni uspela");
        return fail (TRANS ("belezenje pretok ni uspela"));
    }

    juce::String extrasError;
    if (! extras.store (form.agents, volume.toDouble(), id, extrasError))
        return fail (extrasError.isNotEmpty() ? extrasError : TRANS ("belezenje pretok ni uspela"));

    if (! transaction.commit())
    {
        vindoro::vlog (kMethod, "ERROR: " + transaction.getLastError());
        error = TRANS ("belezenje pretok ni uspela");
        return false;
    }
    if (entry != nullptr)
        *entry = id;
    return true;
}
