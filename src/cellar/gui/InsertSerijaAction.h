#pragma once
// The batch dialog with the bottle count row, for the windows that put bottled wine into storage.
#include "cellar/gui/CreateSerijaAction.h"

class InsertSerijaAction : public CreateSerijaAction
{
public:
    explicit InsertSerijaAction (int letnik);
};
