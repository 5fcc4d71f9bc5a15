#include "partners/StrankaListener.h"
#include "core/Log.h"

StrankaListener::StrankaListener (int numberOfSlots)
    : slots ((size_t) juce::jmax (0, numberOfSlots))
{
}

StrankaListener::~StrankaListener() = default;

void StrankaListener::setStrankaIDN (StrankaRecord party, int slot)
{
    if (slot <= 0 || slot > getNumSlots())
    {
        vindoro::vlog ("StrankaListener::setStrankaIDN", "ERROR idn is wrong: " + juce::String (slot));
        return;
    }
    slots[(size_t) slot - 1] = std::move (party);
}

StrankaRecord StrankaListener::getStranka (int slot) const
{
    if (slot <= 0 || slot > getNumSlots())
        return {};
    return slots[(size_t) slot - 1];
}
