#pragma once
// The article dialog of a received invoice: no count, price or VAT rows, and a save books nothing;
// the goods-received window hands the saved entry to the invoice.
#include "warehouse/gui/SkladisceAddArtikel.h"

class SkladisceAddArtikelPrejeti : public SkladisceAddArtikel
{
public:
    SkladisceAddArtikelPrejeti();
};
