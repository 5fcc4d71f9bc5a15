#pragma once
// The column specs of the partner browsers: parties, countries and post offices. Owned by the
// partners' windows; each spec is built once, on first use, and only read afterwards.
#include "widgets/TableColumnSpec.h"

/** Party register: prefix "stranka_", every column of the party query. */
const TableColumnSpec& strankaColumns();
/** Country register: prefix "drzava_", name, code and EU flag shown. */
const TableColumnSpec& drzavaColumns();
/** Post-office chooser: prefix "posta_", post code and name shown. */
const TableColumnSpec& postaColumns();
/** Post-office editing window: as the chooser's, with the country column carried but hidden. */
const TableColumnSpec& postaEditColumns();
/** Bank accounts: prefix "iban_", holder name, account in blocks of four and SWIFT shown. */
const TableColumnSpec& ibanColumns();
