#pragma once
// The movement engine's base: books quantities into and out of places against one journal entry
// and takes such bookings back. A short-lived value a booking routine builds on the entry it just
// posted and on its own query object; every operation that writes more than one statement is one
// transaction (a savepoint inside the caller's booking), so a failure leaves nothing of it.
#include <juce_core/juce_core.h>

class SQLtoXml;

class Transfer
{
public:
    /** Directions of a movement. */
    static constexpr int kInto = 1;
    static constexpr int kOutOf = 2;
    /** Article kind of the open bulk wine whose `link` is its vessel. */
    static constexpr int kBulkWineArticle = 4;

    /** Bound to journal entry `glavna`; with no query object the engine makes one for each
        operation and forgets it when that operation ends. */
    explicit Transfer (int glavna, SQLtoXml* db = nullptr);
    virtual ~Transfer();

    Transfer (const Transfer&) = delete;
    Transfer& operator= (const Transfer&) = delete;

    virtual bool reverseOutTransfer (int posoda) = 0;
    virtual bool reverseOutTransfer (int hramba, double kolicina) = 0;
    virtual bool tryReverseOutTransfer (int posoda) = 0;
    virtual bool reverseInTransfer (int posoda) = 0;
    virtual bool reverseInTransfer (int hramba, double kolicina) = 0;
    virtual bool transfer (int smer, int kam, double kolicina, int x, int y) = 0;

    /** Makes sure `db` is set, making an own query object when none was given. */
    bool startDB();
    /** Withdraws the open bulk-wine article of a vessel (active=0); the statement's success. */
    bool deactivatePosodaArtikel (int posoda);
    /** The storage entry of an article and bill of materials in a warehouse; -1 when none. */
    int findHramba (int skladisce, int artikel, int kosovnica);

    int glavna = 0;
    bool ownsDb = false;
    SQLtoXml* db = nullptr;
    /** A volume of 0 is booked instead of refused. */
    bool allowZero = true;

protected:
    /** Deletes and forgets a query object the engine made itself. */
    void releaseOwnDb();

    /** Releases an own query object when the operation that declared it ends. Declare it before
        the operation's transaction, so the transaction ends first. */
    struct OwnDbRelease
    {
        Transfer& engine;
        ~OwnDbRelease() { engine.releaseOwnDb(); }
    };

    /** The checks every booking operation starts with: an entry to book on and a query object. */
    bool checkEntryAndDb (const char* method);
};
