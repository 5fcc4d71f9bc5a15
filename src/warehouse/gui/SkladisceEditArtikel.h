#pragma once
// The article dialog opened on an entry picked on the plan: its fields start from the entry, and
// a save books the count's change or makes a new version of the article.
#include "warehouse/gui/SkladisceAddArtikel.h"

class SkladisceEditArtikel : public SkladisceAddArtikel
{
public:
    explicit SkladisceEditArtikel (Hramba entry);
};
