#pragma once
// The operations fixture's cellar with quality grades, two varieties of the tests' own and the
// vessels 5 to 8 in known states: 5 empty and undeclared, 6 declared Sauvignon 2019 holding red
// wine, 7 pointing at a declaration row that does not exist and holding two red wines, 8 holding
// white wine.
#include "operations/OperationsFixture.h"
#include "cellar/PosodaOps.h"

namespace celltest
{
class CellarFixture : public optest::OperationsFixture
{
protected:
    void SetUp() override
    {
        OperationsFixture::SetUp();
        ASSERT_TRUE (exec (
            "CREATE TABLE IF NOT EXISTS kvaliteta (id integer PRIMARY KEY, oznaka text);"
            "INSERT OR REPLACE INTO kvaliteta(id,oznaka) VALUES (1,'namizno vino'),(2,'dezelno vino PGO'),(3,'kakovostno vino ZGP');"
            "INSERT INTO sorta(id,sorta,okrajsano,barva,active,tip) VALUES (3,'Sauvignon','SAU',16777011,1,1),(4,'Modra frankinja','MF',-3407872,1,0);"
            "INSERT INTO klet(id,ime) VALUES (2,'Druga');"
            "INSERT INTO tipizacija(id,glavna,sorta,letnik,posoda,kvaliteta) VALUES (20,0,3,2019,6,3);"
            "UPDATE posoda SET tipizacija=1;"
            "UPDATE posoda SET tipizacija=20, cena=2.5, ddv=7, pozx=120, pozy=0, pozz=1 WHERE id=6;"
            "UPDATE posoda SET tipizacija=999 WHERE id=7;"
            "INSERT INTO zaloga(vino,posoda,volumen) VALUES (8,6,300),(10,7,100),(8,7,50.5),(7,8,1200);"));
    }

    posoda read (int id)
    {
        posoda p;
        p.id = id;
        EXPECT_TRUE (PosodaOps::reloadPosoda (p, &db));
        return p;
    }
};
} // namespace celltest
