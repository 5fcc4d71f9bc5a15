#pragma once
// A real database with warehouses and storage entries for the plan's tests: bottled wine with a
// lot and a variety colour, boxes, a bill-of-materials entry, and helpers to add entries and read
// positions back. Settings are the test's own.
#include "db/SQLtoXml.h"
#include "support/TestSupport.h"
#include "warehouse/GoodsRecords.h"

#include <gtest/gtest.h>

namespace plantest
{
constexpr int kGlavno = 1;   // a warehouse with entries the tests add
constexpr int kPrazno = 2;   // a warehouse without entries
constexpr int kDrugo = 3;

constexpr int kFrankinja = 20;   // bottled wine (kind 2)
constexpr int kKarton = 21;      // other goods (kind 3)
constexpr int kZamasek = 22;     // other goods, a second article
constexpr int kOdprto = 23;      // bulk wine (kind 4): never on the plan

inline void run (const juce::String& sql)
{
    SQLtoXml q;
    ASSERT_TRUE (q.sqlQueryNA (sql)) << q.lastError << " in " << sql;
}

inline void fillGoods()
{
    run ("INSERT INTO sorta(id,sorta,okrajsano,barva,active,tip) VALUES (10,'Modra frankinja','MF',-3407872,1,0)");
    run ("INSERT INTO model(id,oznaka,volumen,enota,active) VALUES (5,'Bordo',0.75,7,1)");
    run ("INSERT INTO serija(id,oznaka,letnik,sorta,model,kvaliteta,stevilo) VALUES (5,'A1',2021,10,5,2,600)");
    run ("INSERT INTO skladisce(id,ime,konsig,active) VALUES (1,'Glavno',1,1),(2,'Prazno',1,1),(3,'Drugo',1,1)");
    run ("INSERT INTO artikel(id,ime,tip,cena,ddv,enota,parent,link,active) VALUES"
         " (20,'Frankinja',2,8.5,3,32,1,5,1), (21,'Karton',3,1.2,7,26,1,0,1), (22,'Zamasek',3,0.1,7,24,1,0,1),"
         " (23,'Odprto',4,2,3,7,1,0,1)");
}

/** A new active entry; its id. */
inline int addEntry (int skladisce, int artikel, int stevilo, int pozx, int pozy, int kosovnica = 0)
{
    SQLtoXml q;
    const auto id = q.sqlInsert ("INSERT INTO hramba(skladisce,artikel,stevilo,pozx,pozy,pozz,active,kosovnica) VALUES("
                                 + juce::String (skladisce) + "," + juce::String (artikel) + "," + juce::String (stevilo) + ","
                                 + juce::String (pozx) + "," + juce::String (pozy) + ",0,1," + juce::String (kosovnica) + ")");
    EXPECT_GT (id, 0) << q.lastError;
    return (int) id;
}

/** "pozx,pozy,pozz" of the entry as stored. */
inline juce::String storedPosition (int hrambaId)
{
    SQLtoXml q;
    return q.sqlQueryString ("SELECT CAST(pozx AS INTEGER) || ',' || CAST(pozy AS INTEGER) || ',' || pozz FROM hramba WHERE id = "
                             + juce::String (hrambaId));
}

inline int storedInt (const juce::String& sql)
{
    SQLtoXml q;
    return (int) q.sqlQueryInt (sql);
}

class PlanDb : public ::testing::Test
{
protected:
    void SetUp() override { fillGoods(); }
    juce::PropertiesFile& settings() { return database.settings().user(); }

    vtest::FreshDatabase database;
};
} // namespace plantest
