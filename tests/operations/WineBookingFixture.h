#pragma once
// The operations fixture with what the harvest and transfer bookings read: a parcel, an agent, a
// vessel read back as a window holds it, and the tables a wine booking may write.
#include "cellar/PosodaOps.h"
#include "operations/OperationsFixture.h"

namespace optest
{
/** Every table a harvest or a transfer may write. */
inline juce::StringArray wineBookingTables()
{
    return { "glavna", "host", "pretok", "zaloga", "artikel", "vino", "trgatev", "kalo", "tipizacija", "posoda",
             "prenosposode", "sladkanje", "ciscenje", "kvasovke", "encimi", "zascita", "filtracija", "korekcija",
             "stabilizacija", "maceracija", "analiza", "vinopravilo" };
}

class WineBookingFixture : public OperationsFixture
{
protected:
    void SetUp() override
    {
        OperationsFixture::SetUp();
        ASSERT_TRUE (exec ("INSERT INTO parcela(id,ime,vinogradnik,gerkpid,drzava,active) VALUES (2,'Breg',1,'',185,1);"
                           "INSERT INTO sorta(id,sorta,okrajsano,barva,active,tip) VALUES (3,'Cabernet','CAB',204,1,0);"
                           "INSERT INTO sredstvo(id,oznaka,tip,active) VALUES (4,'Sladkor',511,1);"));
    }

    /** The vessel as a picker hands it over. */
    posoda vessel (int id)
    {
        posoda p;
        p.id = id;
        EXPECT_TRUE (PosodaOps::reloadPosoda (p, &db));
        return p;
    }

    juce::StringArray dumpAll() const { return vtest::dumpTables (file(), wineBookingTables()); }
};
} // namespace optest
