#include "partners/gui/PartnerColumnSpecs.h"

const TableColumnSpec& strankaColumns()
{
    static const TableColumnSpec spec (
        "stranka_",
        { { "ime", CellType::text, 5 },          { "dolgoime", CellType::text, 5 },     { "naslov", CellType::text, 5 },
          { "posta", CellType::text, 5 },        { "Drzava", CellType::textCentred, 1 }, { "telefon", CellType::textCentred, 5 },
          { "telefon2", CellType::textCentred, 5 }, { "mobi", CellType::textCentred, 5 }, { "faks", CellType::textCentred, 5 },
          { "web", CellType::textCentred, 5 },   { "email", CellType::textCentred, 5 }, { "rokplacila", CellType::wholeCentred, 2 },
          { "popust", CellType::number, 3 },     { "davcna", CellType::textCentred, 5 }, { "maticna", CellType::textCentred, 5 },
          { "IBAN", CellType::iban, 5 },         { "kmgmid", CellType::textCentred, 5 }, { "gln", CellType::textCentred, 5 } },
        { "id", "ulica", "hisnast", "hisnastdod", "naselje", "postnast", "postaime", "drzava", "tipdavka", "tipstranke",
          "active", "DrzavaDolgo", "DrzavaEU", "ibanid", "swift" });
    return spec;
}

const TableColumnSpec& drzavaColumns()
{
    static const TableColumnSpec spec ("drzava_",
                                       { { "ime", CellType::text, 15 }, { "kratica", CellType::textCentred, 10 },
                                         { "eu", CellType::yesNo, 5 } },
                                       { "id", "active" });
    return spec;
}

const TableColumnSpec& postaColumns()
{
    static const TableColumnSpec spec ("posta_", { { "stevilka", CellType::textCentred, 10 }, { "ime", CellType::text, 20 } }, { "id" });
    return spec;
}

const TableColumnSpec& postaEditColumns()
{
    static const TableColumnSpec spec ("posta_", { { "stevilka", CellType::textCentred, 10 }, { "ime", CellType::text, 20 } },
                                       { "id", "drzava" });
    return spec;
}

const TableColumnSpec& ibanColumns()
{
    static const TableColumnSpec spec ("iban_",
                                       { { "nosilecime", CellType::text, 15 }, { "iban", CellType::iban, 15 },
                                         { "swift", CellType::textCentred, 10 } },
                                       { "id", "active", "nosilecid", "bankaid" });
    return spec;
}
