#include "operations/TrgatevSave.h"

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
#include "operations/WineTransfer.h"

using vindoro::Amount;
using vindoro::Litres;

namespace
{
constexpr const char* kMethod = "Trgatev::saveTrgatev";

template <typename Exact>
Exact typed (const juce::String& text)
{
    return Exact::fromStoredDouble (parseDecimal2 (text)).value_or (Exact());
}

bool refuse (juce::String& error, const char* key, const juce::String& log = {})
{
    if (log.isNotEmpty())
        vindoro::vlog (kMethod, log);
    error = TRANS (key);
    return false;
}
} // namespace

bool TrgatevSave::save (SQLtoXml& db, const TrgatevForm& form, const WineOperationExtras& extras,
                        PosodaListener* window, juce::String& error, int* entry)
{
    const auto& vessel = form.vessel;
    if (vessel.id < 1)
        return refuse (error, "Posoda ni izbrana", "WARNING: posoda not set");
    if (form.sorta.id < 1)
        return refuse (error, "Sorta ni izbrana", "WARNING: sorta id is " + juce::String (form.sorta.id));
    if (form.parcela < 0)
        return refuse (error, "Parcela ni izbrana", "WARNING: parcela id is " + juce::String (form.parcela));
    const auto must = typed<Litres> (form.mosta);
    if (must <= Litres())
        return refuse (error, "Volumen pretoka ni dolocen", "WARNING: volumen pretoka is " + must.toSql());
    const auto grapes = typed<Litres> (form.grozdja);
    if (grapes <= Litres())
        return refuse (error, "Masa grozdja ni dolocena", "WARNING: masa pretoka je " + grapes.toSql());
    const auto price = typed<Amount> (form.cena);
    if (price.isNegative())
        return refuse (error, "Cena artikla ni podana!");

    if (auto* settings = getUserSettings())
    {
        settings->setValue ("Trgatev:cenamosta", price.toDouble());
        if (form.ddv > 0)
            settings->setValue ("OdprtoAddArtikel:ddvizdelka", form.ddv);
    }
    if (form.ddv <= 0)
        vindoro::vlog (kMethod, "DDV je " + juce::String (form.ddv));

    if (auto refusal = extras.checkNumbers (form.agents); refusal.isNotEmpty())
    {
        error = refusal;
        return false;
    }

    WineTransfer::addTables (&db);
    Glavna::addTables (&db);
    db.addTable ("trgatev");

    if (PosodaOps::reloadCompareSet (vessel, &db, window, 1))
        return refuse (error, "Vsebina posode se je med urejanjem spremenila. Preverite kolicine.");

    const auto capacity = Litres::fromStoredDouble (vessel.volumen).value_or (Litres());
    const auto stock = Litres::fromStoredDouble (vessel.zaloga).value_or (Litres());
    if (must > capacity - stock)
        return refuse (error, "Volumen pretoka je vecji od placa");

    const auto otherVarieties = (int) db.sqlQueryInt (
        "SELECT COUNT(DISTINCT sorta.id) FROM zaloga INNER JOIN vino ON zaloga.vino = vino.id INNER JOIN sorta ON vino.sorta = sorta.id "
        "WHERE zaloga.volumen>0 AND zaloga.posoda = " + juce::String (vessel.id) + " AND sorta.id!=" + juce::String (form.sorta.id));

    posoda changed = vessel;
    const char* refusal = nullptr;
    const auto declaration = declarationForVessel (form.declarationOpen, form.tipSorta, form.tipLetnik, form.kvaliteta, vessel.tipizacija,
                                                   otherVarieties, refusal);
    if (! declaration)
        return refuse (error, refusal, "WARNING: tipizacija id is " + juce::String (form.tipSorta.id));
    changed.tipizacija = *declaration;

    vindoro::vlog (kMethod, "saving this trgatev labelklet:" + vessel.klet.ime + " idparcela:" + juce::String (form.parcela)
                                + ", idsorta:" + juce::String (form.sorta.id) + " tipizacija:" + juce::String (form.tipSorta.id)
                                + " nsort:" + juce::String (otherVarieties));

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
    const int id = glavna.vknjizi (&db, form.datum, OperationType::harvest, form.opombe);
    if (id < 1)
        return fail (TRANS ("belezenje pretok ni uspela"));

    const auto where = "parcela=" + juce::String (form.parcela) + " AND sorta=" + juce::String (form.sorta.id)
                       + " AND letnik=" + juce::String (form.letnik);
    auto wine = (int) db.sqlQueryInt ("SELECT id FROM vino WHERE " + where);
    if (! db.ok)
    {
        // The id comes from the INSERT itself, so a failed INSERT never books under another row.
        wine = (int) db.sqlInsert ("INSERT INTO vino(parcela,sorta,letnik) VALUES('" + juce::String (form.parcela) + "','"
                                   + juce::String (form.sorta.id) + "','" + juce::String (form.letnik) + "')");
        if (wine < 1)
            return fail (TRANS ("belezenje pretok ni uspela"));
    }

    WineTransfer engine (id, &db);
    engine.allowZero = true;
    if (! engine.transfer (Transfer::kInto, vessel.id, must, wine)
        || (otherVarieties >= 1 && ! engine.deactivatePosodaArtikel (vessel.id)))
    {
        vindoro::vlog (kMethod, "ERROR: pretok ni uspel");
        return fail (TRANS ("belezenje pretok ni uspela"));
    }

    juce::String declarationError;
    if (! PosodaOps::prenosPosode (&db, vessel, changed, form.opombe, id, &declarationError))
        return fail (declarationError.isNotEmpty() ? declarationError : TRANS ("belezenje pretok ni uspela"));
    if (! db.sqlQueryNA ("UPDATE posoda SET cena=" + price.toSql() + ",ddv=" + (form.ddv > 0 ? juce::String (form.ddv) : juce::String ("NULL"))
                         + " WHERE id=" + juce::String (vessel.id)))
        return fail (TRANS ("belezenje pretok ni uspela"));

    if (db.sqlInsert ("INSERT INTO trgatev(glavna,vino,volumen,active) VALUES(" + juce::String (id) + "," + juce::String (wine) + ","
                      + grapes.toSql() + ",1)") < 1)
    {
        vindoro::vlog (kMethod, "ERROR:belezenje trgatev ni uspela");
        return fail (TRANS ("belezenje trgatev ni uspela"));
    }

    juce::String extrasError;
    if (! extras.store (form.agents, must.toDouble(), id, extrasError))
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
