#include "warehouse/gui/SkladisceEditArtikel.h"

#include "cellar/gui/SerijaButtonPropertyComponent.h"
#include "core/TextHelpers.h"

SkladisceEditArtikel::SkladisceEditArtikel (Hramba entry) : SkladisceAddArtikel (true, false)
{
    setHrambaIDN (entry, 1);
    record = entry;
    setSkladisce (record.skladisce);
    ime = record.artikel.ime;
    tip = record.artikel.tip.id;
    enota = record.artikel.enota.id;
    kolicina = formatFloor (record.stevilo);
    cena = formatDecimal2 (record.artikel.cena);
    ddv = record.artikel.ddv.id;
    if (record.serija.id > 1 && serijaButton != nullptr)
        serijaButton->setIDN (record.serija);
}
