#pragma once
// The two VAT states a party can have, as the party editor offers them. Owned by the partners
// subsystem; the codes are booleans, so the chosen value is written as 1 or 0.
#include "invoices/ChoiceTable.h"

/** "DDV zavezanec" (true), then "ni DDV zavezanec" (false), translated. */
ChoiceTable makeTipDavkaChoices();
