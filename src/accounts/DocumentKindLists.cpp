#include "accounts/DocumentKindLists.h"

void makeAllRacunTipChoices (ChoiceTable& table)
{
    table.add (TRANS ("Invoice"), 0);
    table.add (TRANS ("Quotation"), 1);
    table.add (TRANS ("OtherInvoice"), 2);
    table.add (TRANS ("Prenosnica"), 6);
    table.add (TRANS ("Invoice2"), 10);
    table.add (TRANS ("OtherInvoice2"), 12);
    table.add (TRANS ("Invoice") + " & " + TRANS ("OtherInvoice"), 3);
    table.add (TRANS ("Invoice2") + " & " + TRANS ("OtherInvoice2"), 13);
}
