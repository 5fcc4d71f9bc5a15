#pragma once
// One journal entry: the row of `glavna` every booking of the program posts first (operation
// type, date, booking time, user, workstation, remark) and every movement and detail row refers
// to. A plain value the booking routine makes empty on its stack and posts once.
#include "core/DateTime.h"

#include <juce_core/juce_core.h>

class SQLtoXml;

class Glavna
{
public:
    static constexpr const char* kNoDatabase = "ERROR: rad bi vknjizil ampak ni baze";
    static constexpr const char* kPostingFailed = "ERROR: pri vknjizbi je prislo do napake.";
    /** The `host` row of a workstation that could not be registered. */
    static constexpr int kUnknownHost = 1;

    Glavna();
    ~Glavna();

    /** Posts one entry on `db` and returns its id (also kept in `id`); 0 when nothing was
        posted. Registers this workstation in `host` first when it is not known yet, in one
        transaction with the entry (a savepoint inside the caller's booking). */
    int vknjizi (SQLtoXml* db, const DateTime& datum, int opravilo, const juce::String& opomba);

    /** Registers "glavna" and "host" in the query object's list of touched tables. */
    static void addTables (SQLtoXml* db);

    int id = 0;
    int opravilo = 0;
    juce::String datum;
    juce::String dt;
    juce::String opomba;
    juce::String uporabnik;
    int stranka = 0;
    int host = 0;

private:
    int findHost (SQLtoXml& db, const juce::String& identifier);
    int registerHost (SQLtoXml& db, const juce::String& identifier);
    int insertEntry (SQLtoXml& db);
};
