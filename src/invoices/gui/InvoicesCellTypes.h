#pragma once
// The invoices' own column type in the record browsers: an invoice-item kind shown by its
// translated description. Registered with the cell formatter once at start-up, before any browser
// shows a cell.

void registerInvoicesCellTypes();
