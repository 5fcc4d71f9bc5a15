#include "partners/OwnCompany.h"
#include "core/Globals.h"

#include <atomic>

namespace
{
std::atomic<StrankaRecord*> registeredPodjetje { nullptr };

StrankaRecord& spareRecord()
{
    static StrankaRecord record;
    return record;
}
} // namespace

StrankaRecord& getPodjetje()
{
    auto* record = registeredPodjetje.load();
    return record != nullptr ? *record : spareRecord();
}

void setPodjetjeRecord (StrankaRecord* record) { registeredPodjetje.store (record); }

bool isProtectedStranka (int id)
{
    if (id < 1)
        return false;
    auto* settings = getUserSettings();
    const int user = settings != nullptr ? settings->getIntValue ("uporabnik:id", 0) : 0;
    return id == user || id == getPodjetje().id;
}
