#pragma once
// One vineyard parcel (a row of table `parcela`) with its grower and country, carried by value
// between windows and held inside a wine record; the register's query and the one statement that
// stores a parcel typed in the parcel editor. Owned by the cellar subsystem; id -1 means none.
#include "partners/DrzavaRecord.h"
#include "partners/StrankaRecord.h"

struct ParcelaRecord
{
    int id = -1;
    juce::String ime;
    StrankaRecord vinogradnik;   // the grower; its id -1 means none
    juce::String gerkpid;        // the land-register (GERK) identifier, free text
    DrzavaRecord drzava;
    bool active = false;

    /** Every field equal, the whole grower and country included. */
    friend bool operator== (const ParcelaRecord& a, const ParcelaRecord& b);
    friend bool operator!= (const ParcelaRecord& a, const ParcelaRecord& b) { return ! (a == b); }
};

/** The parcel register: active parcels with their grower's name and settlement and their country. */
extern const char* const parcelaSelectSql;

/** One row of the register query as a record. Null gives no parcel (id -1, grower -1) lying in the
    home country, so a fresh editor starts from "Slovenija". */
ParcelaRecord interpretParcelaXml (const juce::XmlElement* row);

/** Checks the name, the grower and the country in that order, then inserts a new active parcel (its
    new id goes into the record) or rewrites the record's row and makes it active again. On refusal
    or failure returns false with the text to show in `error`; a refusal writes nothing. */
bool saveParcela (ParcelaRecord& parcel, bool insert, juce::String& error);
