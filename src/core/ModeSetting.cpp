#include "core/ModeSetting.h"
#include "core/Globals.h"

int ModeSetting::load()
{
    auto* settings = getUserSettings();
    const int v = settings != nullptr ? settings->getIntValue (key, 1) : 1;
    value = v;
    return v;
}

void ModeSetting::store (int newValue)
{
    if (auto* settings = getUserSettings())
        settings->setValue (key, newValue);
    value = newValue;
}
