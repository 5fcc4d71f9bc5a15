#include "partners/TipDavkaChoices.h"

ChoiceTable makeTipDavkaChoices()
{
    ChoiceTable table;
    table.add (TRANS ("DDV zavezanec"), true);
    table.add (TRANS ("ni DDV zavezanec"), false);
    return table;
}
