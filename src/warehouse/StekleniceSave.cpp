#include "warehouse/StekleniceSave.h"

#include "cellar/PosodaOps.h"
#include "cellar/SerijaListener.h"
#include "cellar/SerijaStore.h"
#include "core/Log.h"
#include "core/TextHelpers.h"
#include "db/DbTransaction.h"
#include "db/SQLtoXml.h"
#include "operations/Glavna.h"
#include "operations/ItemTransfer.h"
#include "operations/Opravilo.h"
#include "operations/TransferShares.h"
#include "operations/WineTransfer.h"
#include "operations/analiza.h"

#include <cmath>
#include <limits>

using juce::String;
using vindoro::Amount;
using vindoro::Litres;

namespace
{
constexpr const char* kArticleKind = "2";
constexpr std::int64_t kMillionthsPerHundredth = 10000;

/** A refusal: the translated key as the error, an optional log line. */
StekleniceResult refuse (const String& error, const String& log = {})
{
    if (log.isNotEmpty())
        vindoro::vlog (StekleniceSave::kMethod, log);
    StekleniceResult r;
    r.error = error;
    return r;
}

String sixDigits (double x)
{
    return String::formatted ("%g", x);
}

/** The question's and the refusal's text around the batch's lot, "L <vintage>-<label>". */
String similarBatch (const SerijaRecord& batch, const String& translatedEnding)
{
    return TRANS ("Podobna serija ") + "L " + String (batch.letnik) + "-" + batch.oznaka + translatedEnding;
}
} // namespace

std::int64_t StekleniceSave::bottleMillionths (const SerijaRecord& batch)
{
    if (batch.id < 1)
        return 0;
    // The unit's SI factor turns the model's volume into m³; a litre is 0.001 m³.
    const double millionths = batch.model.volumen * batch.model.enota.SI * 1.0e9;
    if (! std::isfinite (millionths) || millionths < 0.5 || millionths > 1.0e15)
        return 0;
    return (std::int64_t) std::llround (millionths);
}

Litres StekleniceSave::volumeOf (std::int64_t bottles, std::int64_t bottle)
{
    if (bottles <= 0 || bottle <= 0)
        return Litres();
    const __int128 product = (__int128) bottles * bottle;
    const __int128 hundredths = (product + kMillionthsPerHundredth / 2) / kMillionthsPerHundredth;
    if (hundredths > (__int128) std::numeric_limits<std::int64_t>::max() / 4)
        return Litres::fromHundredths (std::numeric_limits<std::int64_t>::max() / 4);
    return Litres::fromHundredths ((std::int64_t) hundredths);
}

std::int64_t StekleniceSave::bottlesIn (Litres litres, std::int64_t bottle)
{
    if (bottle <= 0 || litres <= Litres())
        return 0;
    return (std::int64_t) (((__int128) litres.hundredths() * kMillionthsPerHundredth) / bottle);
}

String StekleniceSave::articleName (const SerijaRecord& batch, const posoda& vessel)
{
    return batch.sorta.sorta + " " + String (vessel.letnik);
}

StekleniceResult StekleniceSave::save (SQLtoXml& db, const StekleniceInput& in)
{
    const auto& vessel = in.vessel;
    const auto& batch = in.batch;
    if (vessel.id < 1)
        return refuse (TRANS ("Posoda ni izbrana"));
    if (batch.id < 1)
        return refuse (TRANS ("Serija ni izbrana"));

    const double typedBottles = std::floor (parseDecimal (in.stevilo));
    const std::int64_t bottles = typedBottles > 0 && typedBottles < 1.0e12 ? (std::int64_t) typedBottles : 0;
    if (bottles <= 0)
        return refuse (TRANS ("Stevilo steklenic ni doloceno"), "ERROR: stevilo steklenic is  " + sixDigits (typedBottles));

    const auto volume = volumeOf (bottles, bottleMillionths (batch));
    if (volume <= Litres())
        return refuse (TRANS ("Volumen pretoka ni dolocen"), "WARNING: volumen pretoka is  " + volume.toSql());

    auto loss = Litres::fromStoredDouble (in.kalo).value_or (Litres());
    const auto stock = Litres::fromStoredDouble (vessel.zaloga).value_or (Litres());
    if (loss > stock || loss.isNegative())
        return refuse (TRANS ("Kalo je vecji od zaloge"));
    const auto remainder = stock - volume - loss;
    if (remainder.isNegative())
        return refuse (TRANS ("Volumen pretoka je vecji od zaloge"));
    if (remainder < Litres::fromHundredths (1))
    {
        // In hundredths this is only ever 0: kept so the log shows the vessel was meant to end empty.
        loss += remainder;
        vindoro::vlog (kMethod, "Kalo sem povecal za " + sixDigits (remainder.toDouble()) + " da bo prazna posoda.");
    }

    const auto& warehouse = in.warehouse;
    if (warehouse.id < 1)
        return refuse (TRANS ("Skladisce ni podano!"));
    if (warehouse.konsig.id > 1)
        return refuse (TRANS ("Skladisce ne sme bit konsig"));
    const auto price = Amount::fromTypedText (in.cena.trim()).value_or (Amount());
    if (price <= Amount())
        return refuse (TRANS ("Cena artikla ni podana!"));
    if (in.ddv < 1)
        return refuse (TRANS ("DDV artikla ni podan!"));
    // An analysis that cannot be stored would fail the booking after all its other writes.
    if (in.analize != nullptr)
        if (auto refusal = in.analize->checkNumbers(); refusal.isNotEmpty())
            return refuse (refusal);

    const auto name = articleName (batch, vessel);
    const auto notCreated = TRANS ("Napaka pri kreiranju artikla z imenom ") + name;
    const auto lookup = db.sqlFetch ("SELECT id FROM artikel WHERE tip = '" + String (kArticleKind) + "' AND link = '"
                                     + String (batch.id) + "' AND enota = '" + String (kBottledWineUnit) + "' AND parent=1");
    auto* lookupRows = lookup != nullptr ? lookup->getChildByName ("DATA") : nullptr;
    // Not knowing whether the batch has its article, inserting one could make it a second.
    if (lookupRows == nullptr)
        return refuse (notCreated, "ERROR: iskanje artikla serije " + String (batch.id) + " ni uspelo");
    const int found = lookupRows->getNumChildElements() > 0 ? lookupRows->getChildElement (0)->getIntAttribute ("id") : 0;
    int article = 0;
    if (found > 0)
    {
        vindoro::vlog (kMethod, String::formatted ("Artikel z imenom %s ze obstaja!", name.toRawUTF8()));
        const auto question = similarBatch (batch, TRANS (" ze obstaja!\nZelis povecati stevilo serije?"));
        if (! in.addToExistingArticle || ! in.addToExistingArticle (question))
            return refuse (similarBatch (batch, TRANS (" ze obstaja!\nSpremeni serijo")), "going back to fix the problem");
        article = found;
    }

    WineTransfer::addTables (&db);
    Glavna::addTables (&db);
    db.addTable ("steklenicenje");
    db.addTable ("kompozicija");
    for (auto* table : { "serija", "sorta", "model", "enota", "kvaliteta" })
        db.addTable (table);
    db.addTable ("hramba");
    db.addTable ("prenos");

    DbTransaction transaction;
    StekleniceResult result;
    auto fail = [&] (const String& text, const String& log = {})
    {
        transaction.rollback();
        if (log.isNotEmpty())
            vindoro::vlog (kMethod, log);
        result.error = text;
        return result;
    };
    if (! transaction.isActive())
        return fail (TRANS ("belezenje steklenicenja ni uspela"), "ERROR: " + transaction.getLastError());

    if (PosodaOps::reloadCompareSet (vessel, &db, in.vesselWindow, 1))
        return fail (TRANS ("Vsebina posode se je med urejanjem spremenila. Preverite kolicine."));
    {
        auto fresh = batch;
        const bool read = SerijaStore::reloadSerija (fresh, &db);
        if (! read || ! SerijaStore::compare (batch, fresh))
        {
            if (read && in.batchWindow != nullptr)
                in.batchWindow->setSerijaIDN (fresh, 1);
            return fail (TRANS ("Serija se je med urejanjem spremenila. Preverite."));
        }
    }

    // The shares are taken of the wine rows themselves, so the outflows empty exactly what is there.
    std::vector<std::pair<int, Litres>> wines;
    {
        auto rows = db.sqlFetch ("SELECT vino,volumen FROM zaloga WHERE posoda=" + String (vessel.id) + " ORDER BY volumen DESC, id");
        if (rows == nullptr || rows->getChildByName ("DATA") == nullptr)
            return fail (TRANS ("belezenje steklenicenja ni uspela"), "ERROR: zaloge posode ni mogoce prebrati");
        for (auto* row : rows->getChildByName ("DATA")->getChildIterator())
            wines.emplace_back (row->getIntAttribute ("vino"),
                                Litres::fromStoredDouble (row->getDoubleAttribute ("volumen")).value_or (Litres()));
    }
    Litres held;
    for (auto& w : wines)
        held += w.second;
    const double s = held.toDouble();
    const double bottledShare = volume.toDouble() / s, lossShare = loss.toDouble() / s, outShare = (volume + loss).toDouble() / s;
    const auto ratioError = TRANS ("Error at the calculation of wine ratio:");
    if (held.isZero() || volume > held)
        return fail (ratioError + sixDigits (bottledShare), "NAPAKA: razmerje je " + sixDigits (bottledShare));
    if (loss > held)
        return fail (ratioError + sixDigits (lossShare), "NAPAKA: razmerjekalo je " + sixDigits (lossShare));
    if (volume + loss > held)
        return fail (ratioError + sixDigits (outShare), "NAPAKA: razmerjeodtok je " + sixDigits (outShare));
    const auto shares = shareTransfer (wines, volume, loss);

    if (article == 0)
    {
        const auto sql = "INSERT INTO artikel(ime,link,link2,cena,ddv,enota,tip,parent,datumkreiranja,active) VALUES('" + sqlEscape (name)
                         + "'," + String (batch.id) + ",0," + price.toSql() + "," + String (in.ddv) + "," + String (kBottledWineUnit) + ","
                         + kArticleKind + ",1,'" + in.datum.time.formatted ("%Y-%m-%d %H:%M:%S") + "',1)";
        if (! db.sqlQueryNA (sql))
            return fail (notCreated);
        article = (int) db.lastInsertedID();
    }

    const auto notBooked = TRANS ("belezenje steklenicenja ni uspela");
    Glavna glavna;
    const int entry = glavna.vknjizi (&db, in.datum, OperationType::bottling, in.opombe);
    if (entry < 1)
        return fail (notBooked);

    vindoro::vlog (kMethod, "Iz posode id:" + String (vessel.id) + " bomo pretocili vina v razmerju " + String (bottledShare, 2));
    WineTransfer wine (entry, &db);
    wine.allowZero = true;
    const auto movementFailed = TRANS ("belezenje pretok ni uspela");
    // Smallest wine first, as the cellar book has always listed them.
    for (auto share = shares.rbegin(); share != shares.rend(); ++share)
    {
        if (! wine.transfer (Transfer::kOutOf, vessel.id, share->outflow, share->vino))
            return fail (movementFailed, "ERROR:Pretok ni uspel. Nismo uspeli odtociti iz  posode.(sprememba tabele zaloga)");
        if (share->loss > Litres()
            && ! db.sqlQueryNA ("INSERT INTO kalo(glavna,vino,volumen) VALUES('" + String (entry) + "'" + ",'" + String (share->vino) + "'"
                                + ",'" + share->loss.toSql() + "'" + ");"))
            return fail (movementFailed, "Pretok ni uspel. Nismo uspeli odtociti iz  posode.(sprememba tabele zaloga)");
        if (! SerijaStore::dodajVino (batch.id, share->vino, share->inflow.toDouble(), vessel.id, &db))
            return fail (TRANS ("Pretok ni uspel. Nismo uspeli napolniti serije iz posode. (vnos v tabelo kompozicija)"),
                         "Pretok ni uspel. Nismo uspeli sprazniti vina iz posode. (vnos v tabelo pretok)");
    }

    vindoro::vlog (kMethod, "stevilo " + sixDigits (batch.stevilo) + " " + sixDigits ((double) bottles));
    if (! db.sqlQueryNA ("UPDATE serija SET stevilo='" + formatFloor ((double) bottles + batch.stevilo) + "' WHERE id=" + String (batch.id)))
        return fail (TRANS ("Pretok ni uspel. Nismo uspeli napolniti serije. (vnos v tabelo serija)"),
                     "Pretok ni uspel. Nismo uspeli sprazniti vina iz posode. (vnos v tabelo pretok)");

    ItemTransfer goods (entry, &db);
    goods.allowZero = true;
    if (! goods.transfer (Transfer::kInto, warehouse.id, (double) bottles, article, 0))
        return fail (TRANS ("Napaka pri dodajanju artikla z imenom ") + name + TRANS (" v skladisce ") + warehouse.ime);

    if (! db.sqlQueryNA ("INSERT INTO steklenicenje(glavna,serija,skladisce,stevilo,artikel) VALUES(" + String (entry) + ","
                         + String (batch.id) + "," + String (warehouse.id) + "," + String (bottles) + "," + String (article) + ")"))
        return fail (notBooked);

    if (in.analize != nullptr && analiza::storeToDB (*in.analize, entry).id == -2)
        return fail (notBooked, "ERROR: analize ni bilo mogoce shraniti");

    if (! transaction.commit())
        return fail (notBooked, "ERROR: " + transaction.getLastError());
    result.ok = true;
    result.glavna = entry;
    result.artikel = article;
    return result;
}
