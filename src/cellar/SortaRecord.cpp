#include "cellar/SortaRecord.h"

SortaRecord SortaRecord::empty()
{
    SortaRecord r;
    r.id = -1;
    r.barva = 0;
    r.tip = 0;
    r.active = false;
    return r;
}

bool SortaRecord::operator== (const SortaRecord& other) const
{
    return id == other.id && sorta == other.sorta && okrajsano == other.okrajsano
        && barva == other.barva && tip == other.tip && active == other.active;
}
