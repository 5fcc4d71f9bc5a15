#pragma once
// The list of every document kind, translated, with the filter choices 3 and 13 that stand for two
// kinds at once. Owned by the invoice lists; kind codes are fixed, texts translated at the call.
#include "invoices/ChoiceTable.h"

/** Fills `table` with Invoice 0, Quotation 1, OtherInvoice 2, Prenosnica 6, Invoice2 10,
    OtherInvoice2 12, "Invoice & OtherInvoice" 3 and "Invoice2 & OtherInvoice2" 13. */
void makeAllRacunTipChoices (ChoiceTable& table);
