#pragma once
// Moves whole counts of an article into or out of storage entries (`hramba`: one article, maybe
// of one bill of materials, at one place of a warehouse plan) against a journal entry, one
// `prenos` row per movement; places new entries on the plan and takes an entry's movements back.
// A count is rounded down once and that number is booked everywhere; a count never goes below 0.
#include "operations/Transfer.h"

class ItemTransfer : public Transfer
{
public:
    static constexpr const char* kNegative = "ERROR:quantity is negative: %e";
    static constexpr const char* kWrongDirection = "ERROR:wrong direction :%d";
    static constexpr const char* kNotInWarehouse = "ERROR: artikla %d ni v skladiscu %d in ga zelimo dat ven";
    static constexpr const char* kShortOfStock = "ERROR: ni artikla v skladiscu %d ki bi ga rad odvzel.zaloga:%e quantity:%e Popravi napako tako da preveri zaloge preden klices to";
    static constexpr const char* kReverseFailed = "ERROR:Prenos ni uspel. Nismo uspeli nazaj napolniti artikla v skladisce";
    static constexpr const char* kNoAnswerIn = "ERROR: ni odgovora iz baze";
    static constexpr const char* kNoAnswerOut = "ERROR: ni odgovora od baze";
    static constexpr const char* kShortfallIn = "ERROR: v prenos ni vseh zapisov total:%e kolicina:%e bomo vzeli iz skladisca total";
    static constexpr const char* kShortfallOut = "ERROR: v prenos ni vseh zapisov total:%e kolicina:%e bomo dodali v skladisce total";
    /** A cell of the warehouse plan. */
    static constexpr int kCellWidth = 110;
    static constexpr int kCellHeight = 80;

    using Transfer::Transfer;

    /** Books the count (rounded down) of article `artikel` into (smer 1) or out of (smer 2) its
        entry of bill of materials `kosovnica` in warehouse `kam`; with `artikel` below 1, `kam`
        is the storage entry itself. An inflow of an article not yet in the warehouse places a
        new entry on the plan. */
    bool transfer (int smer, int kam, double kolicina, int artikel, int kosovnica) override;

    /** Takes out of the storage entry what this entry put in (the rows' total). */
    bool reverseInTransfer (int hramba, double kolicina) override;
    /** Puts back into the storage entry what this entry took out (the rows' total). */
    bool reverseOutTransfer (int hramba, double kolicina) override;

    bool reverseOutTransfer (int) override { return false; }
    bool reverseInTransfer (int) override { return false; }
    bool tryReverseOutTransfer (int) override { return false; }

    /** The article's storage entry in the warehouse, made empty and hidden when there is none. */
    virtual int getHrambaIDN (int skladisce, int artikel, int kosovnica);

    /** Inserts a storage entry holding the count (rounded down) at a free place of the warehouse
        plan, or at the delivery area 0,0 when the setting "dostavniplac" is on. The new id goes
        to `newId` when given. */
    bool addItemToFreeSpace (int skladisce, double kolicina, int artikel, int kosovnica, int* newId = nullptr);

    /** Registers "hramba" and "prenos" in the query object's list of touched tables. */
    static void addTables (SQLtoXml* db);

private:
    bool reverse (int hramba, double kolicina, int smer);
};
