#pragma once
// Saving a bulk-wine line: the vessel's current bulk-wine article (its price and VAT changed in
// place, or a new article row for a new name), the vessel's price and VAT, and for an intake the
// new wines and one composition article per wine of the incoming litres. Every check runs before
// the first write and all the writes run in one transaction: a failure leaves nothing behind.
// No window.
#include "cellar/posoda.h"
#include "warehouse/GoodsRecords.h"
#include "warehouse/OdprtoKompozicija.h"

class SQLtoXml;

/** What the bulk-wine editor holds when OK is pressed. */
struct OdprtoArtikelForm
{
    ArtikelRecord oldArticle;      // the vessel's article as loaded at the pick; id 0 none
    ArtikelRecord newArticle;      // the edited one: name, vessel (link), declaration, price, VAT, unit, kind
    int vesselId = -1;
    vindoro::Litres quantity;
    vindoro::Amount price;
    bool intake = false;
    std::vector<OdprtoKompozicija::Part> composition;   // empty when no new wine was added
};

class OdprtoArtikelSave
{
public:
    /** Books the line; false with the translated reason in error and nothing written. On success
        `saved` holds the article (its id, unit label and VAT rate filled in) and `entry` the
        storage entry handed to the invoice: that article and the whole litres. */
    static bool save (SQLtoXml& db, const OdprtoArtikelForm& form, juce::String& error,
                      ArtikelRecord* saved = nullptr, Hramba* entry = nullptr);

    /** The whole litres an invoice line takes from a quantity (cut once, toward zero). */
    static int wholeLitres (vindoro::Litres quantity);
};
