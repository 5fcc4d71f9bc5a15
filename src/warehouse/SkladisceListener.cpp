#include "warehouse/SkladisceListener.h"

#include "core/Log.h"

SkladisceRecord SkladisceListener::emptySkladisce()
{
    SkladisceRecord s;
    s.id = -1;
    return s;
}

SkladisceListener::SkladisceListener()
    : skladisca { emptySkladisce() }
{
}

SkladisceListener::~SkladisceListener() = default;

void SkladisceListener::setSkladisceIDN (SkladisceRecord warehouse, int slot)
{
    if (slot < 1 || slot > (int) skladisca.size())
    {
        vindoro::vlog ("SkladisceListener::setSkladisceIDN", "ERROR skladisce is wrong");
        return;
    }
    skladisca[(size_t) slot - 1] = std::move (warehouse);
}

SkladisceRecord SkladisceListener::getSkladisce() const
{
    return skladisca.empty() ? emptySkladisce() : skladisca.front();
}
