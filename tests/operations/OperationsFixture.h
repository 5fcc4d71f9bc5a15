#pragma once
// A fresh copy of the shipped database with cellars, vessels, wines, a warehouse and articles of
// the tests' own, a stand-in workstation, and reads over a connection of the test's own.
#include "support/FaultInjection.h"
#include "support/TestSupport.h"
#include "db/SQLtoXml.h"
#include "operations/Glavna.h"
#include "operations/Opravilo.h"
#include "platform/Workstation.h"

#include <gtest/gtest.h>

namespace optest
{
/** A computer of the test's choosing. */
class StandInWorkstation : public Workstation
{
public:
    juce::String identifier() override { return id; }
    juce::String computerName() override { return name; }
    juce::String addressList() override { return addresses; }

    juce::String id = "test-machine-0001";
    juce::String name = "klet-pc";
    juce::String addresses = "127.0.0.1;192.168.1.20;";
};

/** The tables a movement may write. */
inline juce::StringArray movementTables()
{
    return { "glavna", "host", "pretok", "zaloga", "prenos", "hramba", "artikel" };
}

/** Cellar 1 with vessels 5 to 8, wines 7 to 10, warehouses 1 and 2, articles 11 to 15 (11 not in
    use yet, 14 and 15 the bulk wine of vessels 5 and 6). */
inline bool addCellar (const juce::File& database)
{
    return vtest::execOn (database,
        "INSERT INTO klet(id,ime) VALUES (1,'Klet');"
        "INSERT INTO posoda(id,klet,volumen,oznaka) VALUES (5,1,1000,'A'),(6,1,1000,'B'),(7,1,1000,'C'),(8,1,1000,'D');"
        "INSERT INTO vino(id,letnik,sorta) VALUES (7,2016,1),(8,2016,2),(9,2017,1),(10,2017,2);"
        "INSERT INTO skladisce(id,ime) VALUES (1,'Skladisce'),(2,'Trgovina');"
        "INSERT INTO artikel(id,ime,tip,active,link) VALUES (11,'Steklenica',2,0,NULL),(12,'Zaboj',2,1,NULL),(13,'Karton',2,1,NULL),"
        "(14,'Vino iz A',4,1,5),(15,'Vino iz B',4,1,6);");
}

class OperationsFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Workstation::set (&workstation);
        Opravilo::deleteInstance();
        ASSERT_TRUE (addCellar (file()));
    }

    void TearDown() override
    {
        Opravilo::deleteInstance();
        Workstation::set (nullptr);
    }

    const juce::File& file() const { return database.file(); }
    juce::PropertiesFile& settings() { return database.settings().user(); }

    juce::String value (const juce::String& sql) const { return vtest::valueOf (file(), sql); }
    juce::StringArray rows (const juce::String& sql) const { return vtest::rowsOf (file(), sql); }
    bool exec (const juce::String& sql) const { return vtest::execOn (file(), sql); }
    juce::StringArray dump() const { return vtest::dumpTables (file(), movementTables()); }

    /** Posts an entry of the type on the given date text and returns its id. */
    int post (int type = OperationType::wineTransfer, const juce::String& date = "2017-03-05 10:00:00")
    {
        DateTime when;
        when = date;
        Glavna entry;
        return entry.vknjizi (&db, when, type, "test");
    }

    /** The stock rows as "posoda|vino|volumen" with two decimals, sorted. */
    juce::StringArray stock() const
    {
        return rows ("SELECT posoda,vino,printf('%.2f',volumen) FROM zaloga ORDER BY posoda,vino");
    }

    vtest::FreshDatabase database;
    StandInWorkstation workstation;
    SQLtoXml db;
};
} // namespace optest
