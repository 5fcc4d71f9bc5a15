#pragma once
// A fresh shipped database with a few parties of every kind for the partner tests: two customers,
// a supplier, a grower, the own company and the current user, one deactivated supplier, and a
// party of a deactivated country. The settings name the user (uporabnik:id) and the company.
#include "db/SQLtoXml.h"
#include "support/UpgradeTestSupport.h"
#include "partners/OwnCompany.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace ptest
{
/** Source text with letters beyond ASCII, read as the UTF-8 it is. */
inline juce::String utf8 (const char* text) { return juce::String::fromUTF8 (text); }

class PartnersDb : public ::testing::Test
{
protected:
    enum Ids
    {
        kCompany = 2, kUser = 3, kCustomerB = 4, kCustomerA = 5, kSupplier = 6, kGrower = 7, kOldSupplier = 8,
        kForeign = 9, kSupplierBoth = 10
    };

    void SetUp() override
    {
        run ("INSERT INTO banka(id,stranka,swift,active) VALUES (2,1,'LJBASI2X',1)");
        run ("INSERT INTO iban(id,iban,stranka,banka,active) VALUES (2,'SI56191000000123438',2,2,1)");
        run ("INSERT INTO drzava(id,ime,kratica,eu,active) VALUES (900,'STARA DEZELA','SD',0,0)");
        run ("INSERT INTO stranka(id,ime,dolgoime,ulica,hisnast,hisnastdod,naselje,postnast,postaime,drzava,telefon,email,"
             "rokplacila,popust,davcna,maticna,iban,kmgmid,gln,tipdavka,tipstranke,active) VALUES"
             " (2,'Klet d.o.o.','Klet, d.o.o., Ljubljana','Cesta',  '1','a','Vrh','1000','Ljubljana',185,'01 234','k@klet.si',"
             "  30,2.5,'SI12345678','123',2,'K1','383',1,1,1),"
             " (3,'Ana','Ana Novak','Pot','2','','','2000','Maribor',185,'','',0,0,'87654321','',1,'','',0,1,1),"
             " (4,'Zvezda','','Ulica','3','','','3000','Celje',185,'','',8,0,'SI111','',1,'','',1,8,1),"
             " (5,'Amfora','','Trg','4','','','','',185,'','',0,0,'','',1,'','',0,8,1),"
             " (6,'Dobavitelj','','Glavna','5','','','1000','Ljubljana',92,'','',0,0,'HR-99','',1,'','',0,4,1),"
             " (7,'Vinogradnik','','Breg','6','','','','',185,'','',0,0,'','',1,'','',0,2,1),"
             " (8,'Star dobavitelj','','','','','','','',185,'','',0,0,'','',1,'','',0,4,0),"
             " (9,'Tujec','','Weg','7','','','99','Nekje',900,'','',0,0,'','',1,'','',0,8,1),"
             " (10,'Bakla','','Pot','8','','','','',185,'','',0,0,'SI222','',1,'','',1,12,1)");
        settings().setValue ("uporabnik:id", (int) kUser);
        getPodjetje() = StrankaRecord();
        getPodjetje().id = kCompany;
    }

    void TearDown() override { getPodjetje() = StrankaRecord(); }

    static void run (const juce::String& sql)
    {
        SQLtoXml q;
        ASSERT_TRUE (q.sqlQueryNA (sql)) << q.lastError.toStdString() << " in " << sql;
    }

    static juce::String value (const juce::String& sql)
    {
        SQLtoXml q;
        return q.sqlQueryString (sql);
    }

    juce::PropertiesFile& settings() { return database.settings().user(); }

    vtest::FreshDatabase database;
};
} // namespace ptest
