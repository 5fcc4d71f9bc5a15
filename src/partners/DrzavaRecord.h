#pragma once
// The value record of one country (a row of table `drzava`), its register query, and the one
// statement that stores a country typed in the country editor. Owned by the partners
// subsystem; the empty record has id -1. Country id 185 is the home country.
#include <juce_core/juce_core.h>

struct DrzavaRecord
{
    int id = -1;
    juce::String kratica;   // code ("SI")
    juce::String ime;       // name, also the key of its translation
    bool eu = false;
    bool active = false;

    /** All five fields equal, texts exactly. */
    friend bool operator== (const DrzavaRecord& a, const DrzavaRecord& b);
    friend bool operator!= (const DrzavaRecord& a, const DrzavaRecord& b) { return ! (a == b); }
};

/** The home country's id: parties, parcels and post offices without a country of their own. */
constexpr int kHomeDrzava = 185;

/** The country register: active countries; columns 1 id, 2 ime, 3 kratica, 4 eu, 5 active. */
extern const char* const drzavaSelectSql;

/** One row of the country query as a record; null gives the empty record. */
DrzavaRecord interpretDrzavaXml (const juce::XmlElement* row);

/** Checks the name and the code, then inserts a new active country (its new id goes into the
    record) or rewrites the record's row and makes it active. On refusal or failure returns
    false with the text to show in `error`; nothing is written when a check fails. */
bool saveDrzava (DrzavaRecord& country, bool insert, juce::String& error);
