#include "cellar/gui/InsertSerijaAction.h"

InsertSerijaAction::InsertSerijaAction (int letnik) : CreateSerijaAction (letnik)
{
    addCountSection();
}
