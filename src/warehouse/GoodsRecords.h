#pragma once
// The goods records the warehouse windows, pickers and reports hand one another by value: a unit,
// a bottle model, an article kind, an article version, a batch of bottled wine, a warehouse and a
// storage entry with everything the plan shows about it. Each record owns its texts and nested
// records, so a copy never sees a later change of its source. A default record holds zeros, empty
// texts and false flags (an article its moment of construction); "no record" is id -1, set by
// whoever needs it.
#include "cellar/SortaRecord.h"
#include "core/DateTime.h"
#include "partners/StrankaRecord.h"
#include "reports/DDVRecord.h"

#include <vector>

class SQLtoXml;

/** One unit of measure (a row of `enota`). */
class EnotaRecord
{
public:
    int id = 0;
    juce::String oznaka;
    int quantity = 0;   // the quantity kinds the unit serves, as bits
    double SI = 0.0;    // an amount times SI is in the SI unit (m³ for volumes)
};

/** One bottle or package model (a row of `model`) with its unit. */
class ModelRecord
{
public:
    int id = 0;
    juce::String oznaka;
    double volumen = 0.0;   // content of one piece, in `enota`
    EnotaRecord enota;
    bool active = false;
};

/** An article kind (column `artikel.tip`); loaders fill only the id. */
class TipRecord
{
public:
    static constexpr int bottledWine = 2;
    static constexpr int otherGoods = 3;
    static constexpr int bulkWine = 4;

    int id = 0;
    juce::String ime;
};

/** One version of an article (a row of `artikel`). */
class ArtikelRecord
{
public:
    ArtikelRecord();

    int id = 0;
    juce::String ime;
    int link = 0;    // kind 2 the batch, kind 4 the vessel
    int link2 = 0;   // kind 4 the vessel's declaration
    double cena = 0.0;
    DDVRecord ddv;
    EnotaRecord enota;
    int parent = 0;
    TipRecord tip;
    DateTime datumkreiranja;   // now, with the time of day, until a loader sets it
    bool active = false;
};

/** A batch of bottled wine (a row of `serija`) with its variety and model. */
class SerijaRecord
{
public:
    int id = 0;
    juce::String oznaka;
    int letnik = 0;
    SortaRecord sorta;
    ModelRecord model;
    int kvalitetaid = 0;
    double stevilo = 0.0;
};

/** A warehouse (a row of `skladisce`) and the consignment party whose goods it holds. */
class SkladisceRecord
{
public:
    SkladisceRecord();

    int id = 0;
    juce::String ime;
    StrankaRecord konsig;   // only id (and from the storage query ime) are filled
};

/** A storage entry: one article in one warehouse, its count and its tile on the warehouse plan. */
class Hramba
{
public:
    class Listener;

    int id = 0;
    ArtikelRecord artikel;
    SerijaRecord serija;
    SkladisceRecord skladisce;
    int kosovnica = 0;   // the bill of materials; 0 none
    int stevilo = 0;
    int pozx = 0;
    int pozy = 0;
    int pozz = 0;
    bool active = false;

    /** The one query of storage entries: kinds below 4 only; a warehouse id of 0 or more limits
        the warehouse; an entry id of 0 or more finds that entry active or not, while a negative
        one lists only the active entries. */
    static juce::String getSelectSQL (int skladisceId, int hrambaId);

    /** The entry of one row of that query; a missing column keeps its default (a missing
        `kosovnica` reads 99). Without a row, the empty entry. */
    static Hramba fromRow (const juce::XmlElement* row);

    /** Reads this entry again by id (through `db`, or a query object of its own when null).
        False, and the entry unchanged, when the query fails or finds nothing. */
    bool reload (SQLtoXml* db);

    /** True when the fields a booking relies on are equal (decimals within 1e-6); the first
        difference is logged with both values. */
    static bool compare (Hramba a, Hramba b);

    /** Whether this held entry was changed in the database meanwhile. When it was, the fresh
        entry goes to slot 1 of `owner` (when there is one). False for an entry never stored
        (id below 1) or one that cannot be read. */
    bool reloadCompareSet (SQLtoXml* db, Listener* owner);

    /** Registers the tables of the storage query with `db`. */
    static void addTables (SQLtoXml& db);
};

/** The mix-in of windows that take a picked storage entry: one slot, numbered 1, holding the
    empty entry (all ids 0) until something is picked. */
class Hramba::Listener
{
public:
    Listener();
    virtual ~Listener();

    /** Stores the entry in slot `slot` (1-based); a slot out of range is logged and ignored. */
    virtual void setIDN (Hramba entry, int slot);
    /** Stores a copy of the entry as the base setIDN does, whatever a window overrides. */
    virtual void setHrambaIDN (Hramba entry, int slot);

    /** A copy of slot 1, or the empty entry. */
    Hramba getHramba() const;

protected:
    std::vector<Hramba> hrambe;
};
