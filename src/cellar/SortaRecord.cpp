#include "cellar/SortaRecord.h"

bool operator== (const SortaRecord& a, const SortaRecord& b)
{
    return a.id == b.id && a.sorta == b.sorta && a.okrajsano == b.okrajsano && a.barva == b.barva && a.tip == b.tip
           && a.active == b.active;
}
