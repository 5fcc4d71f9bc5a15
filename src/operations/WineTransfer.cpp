#include "operations/WineTransfer.h"
#include "core/Log.h"
#include "db/DbTransaction.h"
#include "db/SQLtoXml.h"

using vindoro::Litres;

namespace
{
juce::String str (int n) { return juce::String (n); }

juce::String stockRow (int posoda, int vino) { return " WHERE posoda=" + str (posoda) + " AND vino=" + str (vino); }
} // namespace

void WineTransfer::addTables (SQLtoXml* db)
{
    if (db == nullptr)
        return;
    for (auto* table : { "zaloga", "zaloga AS z1", "zaloga AS z2", "zaloga AS z3", "vino", "vino AS v1", "vino AS v2", "vino AS v3",
                         "sorta", "sorta AS s1", "sorta AS s2", "pretok", "artikel", "posoda", "glavna", "tipizacija",
                         "prenosposode", "kvaliteta", "kalo" })
        db->addTable (table);
}

std::optional<Litres> WineTransfer::readStock (int posoda, int vino)
{
    const double stored = db->sqlQueryDouble ("SELECT volumen FROM zaloga" + stockRow (posoda, vino));
    if (! db->ok)
        return std::nullopt;
    return Litres::fromStoredDouble (stored).value_or (Litres());
}

bool WineTransfer::writeStock (int posoda, int vino, std::optional<Litres> before, Litres after)
{
    if (before.has_value() && *before == after)
        return true;
    if (after.isZero())
        return ! before.has_value() || db->sqlQueryNA ("DELETE FROM zaloga" + stockRow (posoda, vino));
    if (! before.has_value())
        return db->sqlQueryNA ("INSERT INTO zaloga(posoda,vino,volumen) VALUES('" + str (posoda) + "','" + str (vino) + "','"
                               + after.toSql() + "')");
    return db->sqlQueryNA ("UPDATE zaloga SET volumen=" + after.toSql() + stockRow (posoda, vino));
}

bool WineTransfer::transfer (int smer, int kam, double kolicina, int x, int)
{
    const char* method = "WineTransfer::transfer";
    const auto rounded = Litres::fromStoredDouble (kolicina);
    if (! rounded.has_value())
    {
        vindoro::vlog (method, juce::String::formatted (kNegative, kolicina));
        return false;
    }
    if (rounded->toDouble() != kolicina)
        vindoro::vlog (method, juce::String::formatted (kRounded, kolicina, rounded->toDouble()));
    return transfer (smer, kam, *rounded, x);
}

bool WineTransfer::transfer (int smer, int posoda, Litres volumen, int vino)
{
    const char* method = "WineTransfer::transfer";
    OwnDbRelease release { *this };
    if (volumen.isNegative())
    {
        vindoro::vlog (method, juce::String::formatted (kNegative, volumen.toDouble()));
        return false;
    }
    if (volumen.isZero() && ! allowZero)
        return false;
    if (glavna < 1)
    {
        vindoro::vlog (method, "ERROR:glavna id:" + str (glavna));
        return false;
    }
    if (smer != kInto && smer != kOutOf)
    {
        vindoro::vlog (method, juce::String::formatted (kWrongDirection, smer));
        return false;
    }
    if (! startDB())
        return false;

    DbTransaction booking;
    if (! booking.isActive())
        return false;

    const auto stock = readStock (posoda, vino);
    if (booking.hasFailed())
        return false;

    Litres after;
    if (smer == kInto)
    {
        after = stock.value_or (Litres()) + volumen;
    }
    else
    {
        if (! stock.has_value())
        {
            vindoro::vlog (method, juce::String::formatted (kNotInVessel, vino, posoda));
            return false;
        }
        if (volumen > *stock)
        {
            vindoro::vlog (method, juce::String::formatted (kShortOfStock, vino, posoda, stock->toDouble(), volumen.toDouble()));
            return false;
        }
        after = *stock - volumen;
    }

    if (! writeStock (posoda, vino, stock, after))
        return false;
    if (! db->sqlQueryNA ("INSERT INTO pretok(glavna,posoda,smer,volumen,vino) VALUES('" + str (glavna) + "','" + str (posoda) + "','"
                          + str (smer) + "','" + volumen.toSql() + "','" + str (vino) + "')"))
        return false;
    return booking.commit();
}

bool WineTransfer::readMoved (int posoda, int smer, std::vector<Moved>& moved, const char* method)
{
    auto rows = db->sqlFetch ("SELECT vino,volumen FROM pretok WHERE posoda=" + str (posoda) + " AND smer=" + str (smer)
                              + " AND glavna=" + str (glavna));
    if (rows == nullptr || rows->getChildByName ("DATA") == nullptr)
    {
        vindoro::vlog (method, kNoAnswer);
        return false;
    }
    for (auto* row : rows->getChildByName ("DATA")->getChildIterator())
    {
        const int vino = row->getIntAttribute ("vino");
        const auto volumen = Litres::fromStoredDouble (row->getDoubleAttribute ("volumen")).value_or (Litres());
        bool added = false;
        for (auto& m : moved)
            if (m.vino == vino)
            {
                m.volumen += volumen;
                added = true;
            }
        if (! added)
            moved.push_back ({ vino, volumen });
    }
    return true;
}

bool WineTransfer::reverseInTransfer (int posoda)
{
    const char* method = "WineTransfer::reverseInTransfer";
    OwnDbRelease release { *this };
    if (! checkEntryAndDb (method))
        return false;

    DbTransaction reversal;
    if (! reversal.isActive())
        return false;

    std::vector<Moved> moved;
    if (! readMoved (posoda, kInto, moved, method))
        return false;

    // Every wine is checked before the first write: the vessel must still hold all that this
    // entry brought in, or nothing is taken back at all.
    std::vector<std::optional<Litres>> stocks;
    for (auto& m : moved)
    {
        const auto stock = readStock (posoda, m.vino);
        if (reversal.hasFailed())
            return false;
        if (m.volumen > stock.value_or (Litres()))
        {
            vindoro::vlog (method, juce::String::formatted (kShortOfStock, m.vino, posoda, stock.value_or (Litres()).toDouble(),
                                                            m.volumen.toDouble()));
            return false;
        }
        stocks.push_back (stock);
    }

    for (size_t i = 0; i < moved.size(); ++i)
        if (! writeStock (posoda, moved[i].vino, stocks[i], stocks[i].value_or (Litres()) - moved[i].volumen))
        {
            vindoro::vlog (method, kTakeOutFailed);
            return false;
        }

    if (! db->sqlQueryNA ("DELETE FROM pretok WHERE posoda=" + str (posoda) + " AND smer=" + str (kInto) + " AND glavna=" + str (glavna)))
        return false;
    return reversal.commit();
}

bool WineTransfer::reverseOutTransfer (int posoda)
{
    const char* method = "WineTransfer::reverseOutTransfer";
    OwnDbRelease release { *this };
    if (! checkEntryAndDb (method))
        return false;

    DbTransaction reversal;
    if (! reversal.isActive())
        return false;

    std::vector<Moved> moved;
    if (! readMoved (posoda, kOutOf, moved, method))
        return false;

    for (auto& m : moved)
    {
        const auto stock = readStock (posoda, m.vino);
        if (reversal.hasFailed())
            return false;
        if (! writeStock (posoda, m.vino, stock, stock.value_or (Litres()) + m.volumen))
        {
            vindoro::vlog (method, kPutBackFailed);
            return false;
        }
    }

    if (! db->sqlQueryNA ("DELETE FROM pretok WHERE posoda=" + str (posoda) + " AND smer=" + str (kOutOf) + " AND glavna=" + str (glavna)))
        return false;
    return reversal.commit();
}

bool WineTransfer::tryReverseOutTransfer (int posoda)
{
    const char* method = "WineTransfer::tryReverseOutTransfer";
    OwnDbRelease release { *this };
    if (! checkEntryAndDb (method))
        return false;

    // Dates compare as moments (a date alone stands for its midnight), not as texts of two lengths.
    auto rows = db->sqlFetch ("SELECT datetime(glavna.datum) > datetime((SELECT datum FROM glavna WHERE id=" + str (glavna)
                              + ")) AS kasneje FROM pretok LEFT JOIN glavna ON pretok.glavna = glavna.id WHERE pretok.smer="
                              + str (kInto) + " AND pretok.posoda=" + str (posoda) + " ORDER BY datetime(glavna.datum) DESC LIMIT 1");
    if (rows == nullptr || rows->getChildByName ("DATA") == nullptr)
    {
        // Without an answer nobody can tell whether the wine was topped up since: not allowed.
        vindoro::vlog (method, kNoAnswer);
        return false;
    }
    const auto* latest = rows->getChildByName ("DATA")->getFirstChildElement();
    const int later = latest != nullptr ? latest->getIntAttribute ("kasneje") : 0;
    if (later > 0)
    {
        vindoro::vlog (method, juce::String::formatted (kFilledLater, posoda, "true", later));
        return false;
    }
    return true;
}
