#include "accounts/DocumentKindLists.h"
#include "invoices/DocumentCodeTables.h"

#include <gtest/gtest.h>

TEST (DocumentCodeTablesTest, KindTablesDecodeByCode)
{
    const auto items = makePostavkaTipOpisChoices();
    EXPECT_EQ (items.size(), 25);
    EXPECT_EQ (items.getText (1), "opis_Nedoloceno");
    EXPECT_EQ (items.getText (118), "opis_PSamoobdavcitev");
    EXPECT_EQ (items.getText (8), "");

    ChoiceTable kinds;
    makeAllRacunTipChoices (kinds);
    EXPECT_EQ (kinds.size(), 8);
    EXPECT_EQ (kinds.getText (6), "Prenosnica");
    EXPECT_EQ (kinds.getText (13), "Invoice2 & OtherInvoice2");
    EXPECT_EQ (kinds.getText (4), "");
}
