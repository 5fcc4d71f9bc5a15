#pragma once
// The dialog that renames the shown warehouse and changes its consignment party.
#include "warehouse/gui/SkladisceAdd.h"

class SkladisceEdit : public SkladisceAdd
{
public:
    SkladisceEdit() : SkladisceAdd (true) {}
};
