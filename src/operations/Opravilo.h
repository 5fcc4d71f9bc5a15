#pragma once
// The operation types of the journal: the fixed id of every kind of booking, and the process-wide
// cache of the active types (name, detail table, id) read once from table `opravilo`. The cache
// is made on first use by whichever thread asks first, exactly once, and freed at shutdown.
#include <juce_events/juce_events.h>

/** The operation type of every kind of booking, as written to `glavna.opravilo`. */
struct OperationType
{
    static constexpr int harvest = 1;
    static constexpr int sweetening = 2;
    static constexpr int fining = 3;
    static constexpr int yeasts = 4;
    static constexpr int enzymes = 5;
    static constexpr int wineTransfer = 6;
    static constexpr int protection = 7;
    static constexpr int filtration = 8;
    static constexpr int correction = 9;
    static constexpr int stabilisation = 10;
    static constexpr int bottling = 11;
    static constexpr int loss = 12;
    static constexpr int invoice = 14;
    static constexpr int quotation = 15;
    static constexpr int analysis = 16;
    static constexpr int transferNote = 17;
    static constexpr int vesselChange = 18;
    static constexpr int batchTransfer = 19;
    static constexpr int repacking = 20;
    static constexpr int receivedInvoice = 21;
    static constexpr int otherDocument = 22;
    static constexpr int goodsWriteOff = 23;
    static constexpr int goodsReceipt = 24;
    static constexpr int openingWine = 26;
    static constexpr int goodsIncrease = 27;
    static constexpr int maceration = 28;
    static constexpr int goodsMove = 29;
    static constexpr int wineCare = 30;
    static constexpr int wineWriteOff = 31;
    static constexpr int receivedOtherDocument = 32;
    static constexpr int claimOrLiability = 33;
    static constexpr int declaration = 34;
    static constexpr int paymentReminder = 35;
    static constexpr int billOfMaterials = 36;
    static constexpr int dataImport = 37;
};

class Opravilo : private juce::DeletedAtShutdown
{
public:
    /** The readable text of one journal entry, built from its detail tables (OpraviloLogDetails.h). */
    class LogDetails;
    /** Whether the wine of a journal entry reaches a bottling through later transfers (OpraviloPretokTools.h). */
    class PretokTools;

    /** The query that fills the cache. */
    static constexpr const char* kLoadQuery = "SELECT * FROM opravilo WHERE active=1;";
    /** Logged once per cache for a type whose detail table the database lacks. */
    static constexpr const char* kMissingTable = "WARNING: tabela %s opravila %d ne obstaja";

    /** The one cache, made on first use; null only for a call from inside its own making. */
    static Opravilo* getInstance();
    /** Frees the cache; the next getInstance reads the table again. */
    static void deleteInstance();

    ~Opravilo() override;

    /** The detail table of the type at that position; "" outside the list. */
    juce::String getTabela (int index) const;
    /** The name of the type at that position; "" outside the list. */
    juce::String getIme (int index) const;
    /** Whether the type at that position keeps rows of its own that name their entry: its table
        is set, is not the journal itself and exists in the database the cache was read from. */
    bool hasDetailTable (int index) const;
    /** The position of the type with that id; -1 when it is not loaded. */
    int getIndex (int id) const;
    /** The id at that position; 0 outside the list. */
    int getId (int index) const;
    int getNumOpravil() const;
    /** The ids in position order. */
    const juce::Array<int>& getIds() const { return ids; }

private:
    Opravilo();

    juce::StringArray names;
    juce::StringArray tables;
    juce::Array<int> ids;
    juce::Array<bool> detailTables;

    JUCE_DECLARE_NON_COPYABLE (Opravilo)
};
