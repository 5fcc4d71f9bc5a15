#include "warehouse/gui/SkladisceAddArtikelPrejeti.h"

SkladisceAddArtikelPrejeti::SkladisceAddArtikelPrejeti() : SkladisceAddArtikel (false, true)
{
}
