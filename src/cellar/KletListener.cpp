#include "cellar/KletListener.h"
#include "core/Log.h"

KletListener::KletListener() : slots (1) {}

KletListener::~KletListener() = default;

void KletListener::setKletIDN (KletRecord record, int slot)
{
    if (slot < 1 || slot > (int) slots.size())
    {
        vindoro::vlog ("KletListener::setKletIDN", "ERROR klet is wrong");
        return;
    }
    slots[(size_t) slot - 1] = record;
}

KletRecord KletListener::getKlet() const
{
    return slots.empty() ? KletRecord() : slots.front();
}
