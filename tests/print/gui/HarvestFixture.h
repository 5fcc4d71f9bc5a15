#pragma once
// A fresh shipped database with harvests booked the way the harvest books them: a journal entry,
// the harvest row with its grapes and the must's inflows into vessels. The own company (60) has
// parcel 11; grower 61 has parcels 12 and 13; harvest 1's must went into two vessels.
#include "print/HarvestFormParts.h"
#include "support/FaultInjection.h"

#include <gtest/gtest.h>

namespace harvesttest
{
class HarvestDatabase : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE (exec (
            "INSERT INTO stranka(id,ime,dolgoime,drzava,tipstranke,kmgmid,naselje,active) VALUES"
            " (60,'Klet Dobrovo','Klet Dobrovo d.o.o.',185,2,'100200300','Dobrovo',1),"
            " (61,'Novak','Janez Novak',185,2,'555666777','Kojsko',1);"
            "INSERT INTO sorta(id,sorta) VALUES (31,'Rebula'),(32,'Merlot');"
            "INSERT INTO parcela(id,ime,vinogradnik) VALUES (11,'Breg',60),(12,'Hrib',61),(13,'Dol',61);"
            "INSERT INTO vino(id,letnik,parcela,sorta) VALUES (41,2024,11,31),(42,2024,12,31),(43,2024,13,32);"
            "INSERT INTO klet(id,ime) VALUES (1,'Klet');"
            "INSERT INTO posoda(id,klet,volumen,oznaka) VALUES (5,1,1000,'A'),(6,1,1000,'B'),(7,1,1000,'C');"
            "INSERT INTO glavna(id,opravilo,datum,dt,opomba) VALUES"
            " (101,1,'2024-09-20 08:00:00','2024-09-20 08:00:00','prva'),"
            " (102,1,'2024-09-25 09:00:00','2024-09-25 09:00:00',''),"
            " (103,1,'2024-10-31 18:00:00','2024-10-31 18:00:00',''),"
            " (104,1,'2024-11-01 09:00:00','2024-11-01 09:00:00',''),"
            " (105,1,'2024-09-22 09:00:00','2024-09-22 09:00:00','');"
            "INSERT INTO trgatev(id,glavna,vino,volumen,active) VALUES"
            " (1,101,41,1000,1),(2,102,42,500,1),(3,103,43,800,1),(4,104,41,100,1),(5,105,42,200,0);"
            "INSERT INTO pretok(glavna,posoda,vino,smer,volumen) VALUES"
            " (101,5,41,1,400),(101,6,41,1,320),(101,7,41,2,5),(102,6,42,1,350),(103,7,43,1,560),(104,5,41,1,70),(105,5,42,1,140);"));
    }

    bool exec (const juce::String& sql) const { return vtest::execOn (database.file(), sql); }

    vtest::FreshDatabase database;
    FormTexts texts;
};
} // namespace harvesttest
