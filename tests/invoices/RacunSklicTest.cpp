// The payment reference of a stored invoice by the reference mode, on the invoice's own row.
#include "support/UpgradeTestSupport.h"

#include "invoices/RacunSklic.h"

#include <gtest/gtest.h>

TEST (RacunSklic, ByModeFromTheStoredInvoice)
{
    vtest::UpgradeDb db (vtest::shippedDatabase());
    ASSERT_TRUE (db.exec ("INSERT INTO fubprem(id,oznakapp) VALUES (1,'PREMISE-LONG'); INSERT INTO blagajna(id,oznaka) VALUES (1,'B1');"
                          "INSERT INTO racun(id,tip,leto,zaporedna,fubprem,blagajna) VALUES (1,0,2018,15,1,1),(2,0,2018,7,1,9),"
                          "(3,0,2018,123456,1,1);")) << db.lastError;
    auto& s = db.settings().user();
    EXPECT_EQ (getRacunSklic (1), "SI00201815");
    EXPECT_EQ (getRacunSklic (99), "SI0000");   // no such invoice: year and number 0
    s.setValue ("sklic_mode", 10);
    // Check digits worked out by hand with the mod-97 rule of the creditor reference.
    EXPECT_EQ (getRacunSklic (1), "RF91PREMISEXLONGXB1X15");
    EXPECT_EQ (getRacunSklic (2), "RF09PREMISEXLONGXX7");
    EXPECT_EQ (getRacunSklic (3), "RF51PREMISEXLONGXB1X123");   // the label is cut to 19 characters
    s.setValue ("sklic_mode", 3);
    EXPECT_EQ (getRacunSklic (1), "Ne obstaja tak tip sklica!");
}
