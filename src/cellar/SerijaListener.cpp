#include "cellar/SerijaListener.h"
#include "cellar/SerijaStore.h"
#include "core/Log.h"

SerijaListener::SerijaListener() : serija (SerijaStore::empty()) {}

SerijaListener::~SerijaListener() = default;

void SerijaListener::setSerijaIDN (SerijaRecord record, int slot)
{
    if (slot != 1)
    {
        vindoro::vlog ("SerijaListener::setSerijaIDN", "ERROR posoda is wrong");
        return;
    }
    serija = record;
}
