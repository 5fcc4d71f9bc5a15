#include "operations/UrediZalogSave.h"

#include "cellar/PosodaOps.h"
#include "core/Amount.h"
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
constexpr const char* kMethod = "UrediZalog::save";

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

bool UrediZalogSave::save (SQLtoXml& db, const UrediZalogForm& form, PosodaListener* window, juce::String& error,
                           int* entry)
{
    const auto& vessel = form.vessel;
    const auto& loadedVessel = form.loadedVessel;
    auto wine = form.wine;
    if (vessel.id < 1)
        return refuse (error, "Posoda ni izbrana", "ERROR: posoda not set");
    if (wine.sorta.id < 1)
        return refuse (error, "Sorta ni izbrana", "ERROR: sorta id is " + juce::String (wine.sorta.id));
    if (wine.parcela.id < 0)
    {
        wine.parcela.id = 1;
        vindoro::vlog (kMethod, "INFO: parcela postavljena na id 1");
    }
    auto volume = Litres::fromStoredDouble (parseDecimal2 (form.kolicina)).value_or (Litres());
    if (volume.isNegative())
    {
        volume = Litres();
        vindoro::vlog (kMethod, "INFO: volumen pretoka postavljen na 0");
    }
    const auto loadedVolume = litres (form.loaded.volumen);
    const bool moved = vessel.id != loadedVessel.id;
    const bool renamed = wine.sorta.id != form.loaded.sorta.id || wine.parcela.id != form.loaded.parcela.id
                         || wine.letnik != form.loaded.letnik;

    WineTransfer::addTables (&db);
    Glavna::addTables (&db);
    db.addTable ("razknjizenjevino");
    db.addTable ("starovino");

    if (PosodaOps::reloadCompareSet (vessel, &db, window, 1))
        return refuse (error, "Vsebina posode se je med urejanjem spremenila. Preverite kolicine.");
    // The outflow of a move takes the litres the list showed, so the vessel they leave must still
    // hold exactly them.
    if (moved && PosodaOps::reloadCompareSet (loadedVessel, &db, nullptr, 1))
        return refuse (error, "Vsebina posode se je med urejanjem spremenila. Preverite kolicine.");
    {
        const auto held = db.sqlQueryDouble ("SELECT volumen FROM zaloga WHERE posoda=" + juce::String (loadedVessel.id)
                                             + " AND vino=" + juce::String (form.loaded.id));
        if (litres (db.ok ? held : 0.0) != loadedVolume)
            return refuse (error, "Vsebina posode se je med urejanjem spremenila. Preverite kolicine.",
                           "WARNING: vino " + juce::String (form.loaded.id) + " ni vec " + loadedVolume.toSql() + " L");
    }

    // A move books the litres out and in again; a quantity changed with it would be booked nowhere.
    if ((moved || renamed) && volume != loadedVolume)
        return refuse (error, "UrediZalog premik s kolicino",
                       "WARNING: premik " + loadedVolume.toSql() + " L s kolicino " + volume.toSql());

    const auto capacity = litres (vessel.volumen);
    const auto stock = litres (vessel.zaloga);
    const auto free = capacity - stock + (moved ? Litres() : loadedVolume);
    if (volume > free)
        return refuse (error, "Volumen pretoka je vecji od placa",
                       "WARNING: volumen " + volume.toSql() + " je večje od prostora " + free.toSql());

    // The edited wine itself does not count: its litres keep the variety chosen now.
    const auto others = db.sqlQueryInt (
        "SELECT COUNT(DISTINCT sorta.id) FROM zaloga INNER JOIN vino ON zaloga.vino = vino.id INNER JOIN sorta ON vino.sorta = sorta.id "
        "WHERE zaloga.volumen>0 AND zaloga.posoda = " + juce::String (vessel.id) + " AND sorta.id!=" + juce::String (wine.sorta.id)
        + " AND zaloga.vino!=" + juce::String (form.loaded.id));

    posoda changed = vessel;
    const char* refusal = nullptr;
    const auto declaration = declarationForVessel (form.declarationOpen, form.tipSorta, form.tipLetnik, form.kvaliteta, vessel.tipizacija,
                                                   others, refusal);
    if (! declaration)
        return refuse (error, refusal, "WARNING: tipizacija id is " + juce::String (form.tipSorta.id));
    changed.tipizacija = *declaration;

    // A new identity rewrites the wine only while this vessel alone holds it and no other wine has
    // that identity; otherwise the litres go over to the wine of the new identity, so the other
    // vessels and the booked history keep the wine they had.
    const auto identity = "parcela=" + juce::String (wine.parcela.id) + " AND sorta=" + juce::String (wine.sorta.id)
                          + " AND letnik=" + juce::String (wine.letnik);
    int target = form.loaded.id;
    bool rewrite = ! renamed;
    if (renamed)
    {
        const auto elsewhere = db.sqlQueryInt ("SELECT COUNT(*) FROM zaloga WHERE vino=" + juce::String (form.loaded.id)
                                               + " AND posoda!=" + juce::String (loadedVessel.id));
        if (! db.ok)
            return refuse (error, "Urejanja ni uspelo shraniti", "ERROR: " + db.lastError);
        const auto twin = db.sqlQueryInt ("SELECT id FROM vino WHERE " + identity + " AND id!=" + juce::String (form.loaded.id)
                                          + " ORDER BY id LIMIT 1");
        const bool hasTwin = db.ok && twin > 0;
        rewrite = elsewhere == 0 && ! hasTwin;
        if (hasTwin)
            target = (int) twin;
        else if (! rewrite)
            target = 0;   // made inside the booking
    }

    int type = 0;
    if (moved || (renamed && ! rewrite))
        type = OperationType::wineTransfer;
    else if (volume > loadedVolume)
        type = OperationType::openingWine;
    else if (volume < loadedVolume)
        type = OperationType::wineWriteOff;

    DbTransaction transaction;
    auto fail = [&] (const juce::String& log)
    {
        vindoro::vlog (kMethod, log);
        transaction.rollback();
        error = TRANS ("Urejanja ni uspelo shraniti");
        return false;
    };
    if (! transaction.isActive())
        return fail ("ERROR: " + transaction.getLastError());

    int id = -1;
    if (type != 0)
    {
        Glavna glavna;
        id = glavna.vknjizi (&db, form.datum, type, form.opombe);
        if (id < 1)
            return fail ("ERROR: belezenje ni uspelo");
    }

    if (rewrite)
    {
        if (! db.sqlQueryNA ("UPDATE vino SET parcela='" + juce::String (wine.parcela.id) + "',sorta='" + juce::String (wine.sorta.id)
                             + "',letnik='" + juce::String (wine.letnik) + "',active=1 WHERE id=" + juce::String (form.loaded.id)))
            return fail ("ERROR: vina ni bilo mogoce popraviti");
    }
    else if (target == 0)
    {
        target = (int) db.sqlInsert ("INSERT INTO vino(parcela,sorta,letnik) VALUES('" + juce::String (wine.parcela.id) + "','"
                                     + juce::String (wine.sorta.id) + "','" + juce::String (wine.letnik) + "');");
        if (target < 1)
            return fail ("ERROR: vina ni bilo mogoce zapisati");
    }

    if (type != 0)
    {
        WineTransfer engine (id, &db);
        engine.allowZero = true;
        bool booked = true;
        if (type == OperationType::wineTransfer)
        {
            vindoro::vlog (kMethod, "PRESTAVLJAMO VINO");
            booked = engine.transfer (Transfer::kOutOf, loadedVessel.id, loadedVolume, form.loaded.id)
                     && engine.transfer (Transfer::kInto, vessel.id, volume, target);
            vindoro::vlog (kMethod, "PRESTAVLJAMO VINO DONE");
        }
        else if (type == OperationType::wineWriteOff)
        {
            const auto off = loadedVolume - volume;
            booked = engine.transfer (Transfer::kOutOf, vessel.id, off, target)
                     && db.sqlQueryNA ("INSERT INTO razknjizenjevino(glavna,vino,volumen) VALUES(" + juce::String (id) + ","
                                       + juce::String (target) + "," + off.toSql() + ")");
        }
        else
        {
            const auto more = volume - loadedVolume;
            booked = engine.transfer (Transfer::kInto, vessel.id, more, target)
                     && db.sqlQueryNA ("INSERT INTO starovino(glavna,vino,volumen,active) VALUES(" + juce::String (id) + ","
                                       + juce::String (target) + "," + more.toSql() + ",1)");
        }
        if (! booked || ! engine.deactivatePosodaArtikel (vessel.id))
            return fail ("ERROR: premik vina ni uspel");
    }

    juce::String declarationError;
    if (! PosodaOps::prenosPosode (&db, vessel, changed, form.opombe, id, &declarationError))
        return fail ("ERROR: Spememba tipizacije ni uspela");
    const auto price = Amount::fromStoredDouble (vessel.cena).value_or (Amount());
    // A vessel that never had a VAT rate keeps none rather than the record's placeholder id.
    const auto ddv = vessel.ddv.id > 0 ? juce::String (vessel.ddv.id) : juce::String ("ddv");
    if (! db.sqlQueryNA ("UPDATE posoda SET cena=" + price.toSql() + ",ddv=" + ddv + " WHERE id=" + juce::String (vessel.id)))
        return fail ("ERROR: Spememba tipizacije ni uspela");

    if (! transaction.commit())
    {
        vindoro::vlog (kMethod, "ERROR: " + transaction.getLastError());
        error = TRANS ("Urejanja ni uspelo shraniti");
        return false;
    }
    if (entry != nullptr)
        *entry = id;
    return true;
}
