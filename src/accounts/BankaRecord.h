#pragma once
// A bank as the accounts refer to it (a row of table `banka`, found by its SWIFT code). Carried by
// value inside an account record; id -1 means no bank, 1 the default bank of accounts without one.
#include <juce_core/juce_core.h>

struct BankaRecord
{
    int id = -1;
    juce::String swift;
};
