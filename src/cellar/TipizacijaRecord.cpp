#include "cellar/TipizacijaRecord.h"

TipizacijaRecord::TipizacijaRecord()
{
    // An empty declaration declares no variety (zero), never the pickers' empty record (-1).
    sorta.id = 0;
}
