#pragma once
// One bank account (a row of table `iban`): the account number, its holder and its bank. Carried by
// value between the account windows and the party editor; id -1 means none, above 0 the account
// has a row. The holder's id and name are the only fields of the party that accounts fill.
#include "accounts/BankaRecord.h"
#include "partners/StrankaRecord.h"

struct IbanRecord
{
    int id = -1;
    StrankaRecord nosilec;
    BankaRecord banka;
    juce::String iban;
    bool active = false;
};
