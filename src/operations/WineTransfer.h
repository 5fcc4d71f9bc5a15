#pragma once
// Moves litres of one wine into or out of one vessel against a journal entry: keeps the stock
// (`zaloga`, one row per vessel and wine while at least 0.01 l of it lies there) and writes one
// `pretok` row per movement; takes an entry's movements of a vessel back. Volumes are exact
// hundredths; an outflow never takes more than the vessel holds.
#include "core/Amount.h"
#include "operations/Transfer.h"

#include <optional>
#include <vector>

class WineTransfer : public Transfer
{
public:
    static constexpr const char* kRounded = "WARNING: input quantity:%e rounded to:%e";
    static constexpr const char* kNegative = "ERROR:quantity is negative: %e";
    static constexpr const char* kWrongDirection = "ERROR:wrong direction :%d";
    static constexpr const char* kNotInVessel = "ERROR: vina %d ni v posodi %d in ga zelimo tocit ven";
    static constexpr const char* kShortOfStock = "ERROR: ni vina %d v posodi %d ki bi ga rad odtocil.zaloga:%e quantity:%e Popravi napako tako da preveri zaloge preden klices to";
    static constexpr const char* kNoAnswer = "ERROR: ni odgovora iz baze";
    static constexpr const char* kTakeOutFailed = "ERROR:Pretok ni uspel. Nismo uspeli odvzeti vina iz posodo. (vnos v tabelo pretok)";
    static constexpr const char* kPutBackFailed = "ERROR:Pretok ni uspel. Nismo uspeli nazaj napolniti vino v posodo. (vnos v tabelo pretok)";
    static constexpr const char* kFilledLater = "Vino je bilo dotoceno v posodo %d status:%s dotok:%d";

    using Transfer::Transfer;

    /** Books `kolicina` litres of wine `x` into (smer 1) or out of (smer 2) vessel `kam`; the
        volume is brought to hundredths, halves away from zero. `y` is not used. */
    bool transfer (int smer, int kam, double kolicina, int x, int y) override;
    /** The same with an exact volume. */
    bool transfer (int smer, int posoda, vindoro::Litres volumen, int vino);

    /** Takes back this entry's inflows into the vessel: all of them, or nothing when the vessel
        no longer holds what one wine brought in. */
    bool reverseInTransfer (int posoda) override;
    /** Puts back what this entry took out of the vessel. */
    bool reverseOutTransfer (int posoda) override;
    /** False when wine was put into the vessel at a later moment than this entry's date. */
    bool tryReverseOutTransfer (int posoda) override;

    bool reverseOutTransfer (int, double) override { return false; }
    bool reverseInTransfer (int, double) override { return false; }

    /** Registers the tables a wine booking touches in the query object's list. */
    static void addTables (SQLtoXml* db);

private:
    struct Moved
    {
        int vino = 0;
        vindoro::Litres volumen;
    };
    /** This entry's movements of one direction in the vessel, summed per wine in first-seen order;
        false when the database did not answer. */
    bool readMoved (int posoda, int smer, std::vector<Moved>& moved, const char* method);
    /** The stock of a wine in a vessel; nothing when there is no row. */
    std::optional<vindoro::Litres> readStock (int posoda, int vino);
    /** Writes a new stock: the row goes when exactly nothing remains, is made when there was none. */
    bool writeStock (int posoda, int vino, std::optional<vindoro::Litres> before, vindoro::Litres after);
};
