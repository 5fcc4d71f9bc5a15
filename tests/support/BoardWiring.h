#pragma once
// Tests that wire the program's windows to the main board take every one of them off again
// afterwards, whichever windows the wiring brings, so a later test in the same process finds the
// board as a start without wiring leaves it.
#include "app/MainContentComponent.h"

namespace wtest
{
inline void unwireBoard()
{
    for (const auto& entry : MainContentComponent::boardEntries())
        MainContentComponent::setLauncher (entry.code, nullptr);
}
} // namespace wtest
