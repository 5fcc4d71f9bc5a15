#include "cellar/TipizacijaRecord.h"

TipizacijaRecord::TipizacijaRecord()
{
    // The declared variety of an empty declaration is zero, not the variety record's -1.
    sorta.id = 0;
}
