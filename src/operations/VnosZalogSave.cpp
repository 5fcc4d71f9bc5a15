#include "operations/VnosZalogSave.h"

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

using vindoro::Litres;

namespace
{
constexpr const char* kMethod = "VnosZalog::save";

bool refuse (juce::String& error, const char* key, const juce::String& log = {})
{
    if (log.isNotEmpty())
        vindoro::vlog (kMethod, log);
    error = TRANS (key);
    return false;
}
} // namespace

bool VnosZalogSave::save (SQLtoXml& db, const VnosZalogForm& form, PosodaListener* window, juce::String& error,
                          int* entry, posoda* raised)
{
    const auto& vessel = form.vessel;
    if (vessel.id < 1)
        return refuse (error, "Posoda ni izbrana", "ERROR: posoda not set");
    if (form.sorta.id < 1)
        return refuse (error, "Sorta ni izbrana", "ERROR: sorta id is " + juce::String (form.sorta.id));
    int parcela = form.parcela;
    if (parcela < 0)
    {
        parcela = 1;
        vindoro::vlog (kMethod, "INFO: parcela postavljena na id 1");
    }
    const auto volume = Litres::fromStoredDouble (parseDecimal2 (form.kolicina)).value_or (Litres());
    if (volume <= Litres())
        return refuse (error, "Volumen pretoka ni dolocen", "ERROR: volumen pretoka is  " + volume.toSql());

    rememberVintage (form.letnik);

    WineTransfer::addTables (&db);
    Glavna::addTables (&db);
    db.addTable ("starovino");

    if (PosodaOps::reloadCompareSet (vessel, &db, window, 1))
        return refuse (error, "Vsebina posode se je med urejanjem spremenila. Preverite kolicine.");

    // The slider's range is only what was free when the vessel was picked.
    const auto capacity = Litres::fromStoredDouble (vessel.volumen).value_or (Litres());
    const auto stock = Litres::fromStoredDouble (vessel.zaloga).value_or (Litres());
    if (volume > capacity - stock)
        return refuse (error, "Volumen pretoka je vecji od placa",
                       "WARNING: volumen " + volume.toSql() + " je večje od prostora " + (capacity - stock).toSql());

    const auto others = db.sqlQueryInt (
        "SELECT COUNT(DISTINCT sorta.id) FROM zaloga INNER JOIN vino ON zaloga.vino = vino.id INNER JOIN sorta ON vino.sorta = sorta.id "
        "WHERE zaloga.volumen>0 AND zaloga.posoda = " + juce::String (vessel.id) + " AND sorta.id!=" + juce::String (form.sorta.id));

    posoda changed = vessel;
    const char* refusal = nullptr;
    const auto declaration = declarationForVessel (form.declarationOpen, form.tipSorta, form.tipLetnik, form.kvaliteta, vessel.tipizacija,
                                                   others, refusal);
    if (! declaration)
        return refuse (error, refusal, "WARNING: tipizacija id is " + juce::String (form.tipSorta.id));
    changed.tipizacija = *declaration;

    vindoro::vlog (kMethod, "saving VnosZalog labelklet:" + vessel.klet.ime + " idparcela:" + juce::String (parcela)
                                + ", idsorta:" + juce::String (form.sorta.id) + " tipizacija:" + juce::String (form.tipSorta.id));

    DbTransaction transaction;
    auto fail = [&] (const juce::String& text, const juce::String& log)
    {
        vindoro::vlog (kMethod, log);
        transaction.rollback();
        error = text;
        return false;
    };
    if (! transaction.isActive())
        return fail (TRANS ("belezenje vnoszalog ni uspela"), "ERROR: " + transaction.getLastError());

    Glavna glavna;
    const int id = glavna.vknjizi (&db, form.datum, OperationType::openingWine, form.opombe);
    if (id < 1)
        return fail (TRANS ("belezenje vinopravilo ni uspela"), "ERROR: belezenje vinopravilo ni uspela");

    auto wine = findWine (db, parcela, form.sorta.id, form.letnik);
    if (wine < 1)
    {
        // The id comes from the INSERT itself, so a failed INSERT never books under another row.
        wine = (int) db.sqlInsert ("INSERT INTO vino(parcela,sorta,letnik) VALUES('" + juce::String (parcela) + "','"
                                   + juce::String (form.sorta.id) + "','" + juce::String (form.letnik) + "');");
        if (wine < 1)
            return fail (TRANS ("belezenje vnoszalog ni uspela"), "ERROR: vina ni bilo mogoce zapisati");
    }

    WineTransfer engine (id, &db);
    engine.allowZero = true;
    if (! engine.transfer (Transfer::kInto, vessel.id, volume, wine) || ! engine.deactivatePosodaArtikel (vessel.id))
        return fail (TRANS ("belezenje vnoszalog ni uspela"),
                     "ERROR:Pretok ni uspel. Nismo uspeli odtociti iz  posode.(sprememba tabele zaloga)");

    juce::String declarationError;
    if (! PosodaOps::prenosPosode (&db, vessel, changed, form.opombe, id, &declarationError))
        return fail (TRANS ("belezenje vnoszalog ni uspela"), "ERROR: Spememba tipizacije ni uspela");

    if (! db.sqlQueryNA ("INSERT INTO starovino(glavna,vino,volumen,active) VALUES(" + juce::String (id) + ","
                         + juce::String (wine) + "," + volume.toSql() + ",1)"))
        return fail (TRANS ("belezenje vnoszalog ni uspela"), "belezenje vnoszalog ni uspela");

    if (! transaction.commit())
    {
        vindoro::vlog (kMethod, "ERROR: " + transaction.getLastError());
        error = TRANS ("belezenje vnoszalog ni uspela");
        return false;
    }
    if (entry != nullptr)
        *entry = id;
    if (raised != nullptr)
    {
        *raised = changed;
        raised->zaloga = (stock + volume).toDouble();
    }
    return true;
}

int VnosZalogSave::rememberedVintage()
{
    const int thisYear = juce::Time::getCurrentTime().getYear();
    if (auto* settings = getUserSettings())
        return settings->getIntValue ("vnoszalog:letnik", thisYear);
    return thisYear;
}

void VnosZalogSave::rememberVintage (int letnik)
{
    if (letnik > 0)
        if (auto* settings = getUserSettings())
            settings->setValue ("vnoszalog:letnik", letnik);
}

int VnosZalogSave::findWine (SQLtoXml& db, int parcela, int sorta, int letnik)
{
    const auto wine = db.sqlQueryInt ("SELECT id FROM vino WHERE parcela=" + juce::String (parcela) + " AND sorta="
                                      + juce::String (sorta) + " AND letnik=" + juce::String (letnik) + " ORDER BY id LIMIT 1;");
    return db.ok && wine > 0 ? (int) wine : 0;
}
