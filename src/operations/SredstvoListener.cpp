#include "operations/SredstvoListener.h"
#include "core/Log.h"

SredstvoListener::SredstvoListener (int numberOfSlots) : slots ((size_t) juce::jmax (0, numberOfSlots)) {}

SredstvoListener::~SredstvoListener() = default;

void SredstvoListener::setSredstvoIDN (SredstvoRecord agent, int slot)
{
    if (slot < 1 || slot > (int) slots.size())
    {
        vindoro::vlog ("SredstvoListener::setSredstvoIDN", "ERROR which is wrong");
        return;
    }
    slots[(size_t) slot - 1] = std::move (agent);
}

SredstvoRecord SredstvoListener::getSredstvo (int slot) const
{
    if (slot < 1 || slot > (int) slots.size())
        return {};
    return slots[(size_t) slot - 1];
}
