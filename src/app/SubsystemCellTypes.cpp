#include "app/SubsystemCellTypes.h"

#include "accounts/gui/AccountsCellTypes.h"
#include "invoices/gui/InvoicesCellTypes.h"
#include "partners/gui/PartnersCellTypes.h"

void registerSubsystemCellTypes()
{
    registerAccountsCellTypes();
    registerInvoicesCellTypes();
    registerPartnersCellTypes();
}
