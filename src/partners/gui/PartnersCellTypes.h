#pragma once
// The partners' own column type in the record browsers: an account number (IBAN) shown in blocks
// of four and stored without blanks or marks as typed. Registered with the cell formatter once at
// start-up, before any browser shows a cell.

void registerPartnersCellTypes();
