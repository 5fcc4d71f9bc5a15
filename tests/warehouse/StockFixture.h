#pragma once
// A fresh database with three warehouses (the third holding a consignment partner's goods), a
// batch of bottled wine in 0.75 l bottles, and articles of kinds 1, 2 and 3; goods are booked
// through the journal and the movement engine, as the program books them.
#include "operations/Glavna.h"
#include "operations/ItemTransfer.h"
#include "operations/OperationsFixture.h"
#include "warehouse/PlanWrites.h"
#include "warehouse/ZalogaArtiklov.h"

namespace stocktest
{
constexpr int kWine = 20;       // bottled wine, batch 2021-A1, 0.75 l "Bordo", grade "Kakovostno"
constexpr int kBox = 21;        // other goods
constexpr int kService = 22;    // kind 1: no stock of its own
constexpr int kOtherWine = 23;  // bottled wine of the same batch

inline bool addGoods (const juce::File& database)
{
    return vtest::execOn (database,
        "INSERT INTO stranka(id,ime,drzava,active) VALUES (50,'Vinska klet' || CHAR(10) || 'Konsignacija d.o.o.',185,1);"
        "INSERT INTO skladisce(id,ime,konsig) VALUES (3,'Tuje blago',50);"
        "UPDATE skladisce SET ime='Glavno' WHERE id=1;"
        "INSERT INTO model(id,oznaka,volumen,enota) VALUES (5,'Bordo',0.75,7);"
        "INSERT INTO serija(id,oznaka,letnik,sorta,model,kvaliteta,stevilo) VALUES (5,'A1',2021,1,5,2,600);"
        "INSERT INTO artikel(id,ime,tip,cena,ddv,enota,parent,link,active) VALUES"
        " (20,'Frankinja',2,8.5,3,32,1,5,1),(21,'Karton',3,1.2,3,24,1,0,1),(22,'Prevoz',1,10,3,24,1,0,1),(23,'Belo',2,6,3,32,1,5,1);");
}

class StockFixture : public optest::OperationsFixture
{
protected:
    void SetUp() override
    {
        optest::OperationsFixture::SetUp();
        ASSERT_TRUE (addGoods (file()));
    }

    /** Books `count` pieces of the article into (smer 1) or out of (smer 2) the warehouse at the time. */
    bool book (const juce::String& when, int smer, int warehouse, int count, int article)
    {
        DateTime at;
        at = when;
        Glavna entry;
        const int id = entry.vknjizi (&db, at, OperationType::goodsIncrease, "test");
        if (id <= 0)
            return false;
        ItemTransfer transfer (id, &db);
        return transfer.transfer (smer, warehouse, count, article, 0);
    }

    /** Takes the article's entry off the warehouse as the plan does (its article too, once no
        active entry of it is left). */
    bool withdraw (int warehouse, int article)
    {
        // Read through the booking's own connection: inside an open transaction a reader of its
        // own sees only committed entries, and would name an entry of an earlier state.
        const auto id = db.sqlQueryInt ("SELECT id FROM hramba WHERE skladisce=" + juce::String (warehouse)
                                        + " AND artikel=" + juce::String (article));
        return PlanWrites::withdraw (db, (int) id, article);
    }

    int entryOf (int warehouse, int article) const
    {
        return value ("SELECT id FROM hramba WHERE skladisce=" + juce::String (warehouse) + " AND artikel=" + juce::String (article))
            .getIntValue();
    }

    /** Reloads as the reports window does: conditions cleared, no limit, the day's start. */
    static bool reloadAt (ZalogaArtiklov& stock, const juce::String& day, int warehouse, int limit = -1)
    {
        stock.clearConditions();
        stock.setLimit (limit);
        stock.setStartDate (day + " 23:59:59");
        SkladisceRecord w;
        w.id = warehouse;
        w.ime = warehouse == 2 ? "Trgovina" : warehouse == 1 ? "Glavno" : "";
        stock.setSkladisceIDN (w, 1);
        return stock.reloadPregled();
    }

    /** The result rows as "artikel|skladisce|lastnik|serija|steklenica|kvaliteta|litres|pieces". */
    static juce::StringArray rowsOf (SqlitetoXml* result)
    {
        juce::StringArray out;
        if (result != nullptr && result->getData() != nullptr)
            for (auto* row : result->getData()->getChildWithTagNameIterator ("ITEM"))
                out.add (row->getStringAttribute ("artikelime") + "|" + row->getStringAttribute ("skladisceime") + "|"
                         + row->getStringAttribute ("lastnik") + "|" + row->getStringAttribute ("serija") + "|"
                         + row->getStringAttribute ("steklenica") + "|" + row->getStringAttribute ("kvaliteta") + "|"
                         + juce::String (row->getDoubleAttribute ("volumen"), 2) + "|"
                         + juce::String (row->getDoubleAttribute ("stevilo"), 0));
        return out;
    }
};
} // namespace stocktest
