#include "warehouse/gui/KosovnicaView.h"

const char* const kKosovnicaQuery =
    "SELECT a.ime AS ime,a.datumkreiranja AS datumkreiranja,a.cena AS cena,k.stevilo AS stevilo,"
    "a.cena * k.stevilo AS cenaskupaj,k.id AS id,ko.glavna AS glavna FROM pkosovnica AS k "
    "LEFT JOIN kosovnica AS ko ON ko.id=k.kosovnica LEFT JOIN artikel AS a ON a.id=k.artikel ";

const TableColumnSpec& kosovnicaColumnSpec()
{
    static const TableColumnSpec spec ("pregledbazekosovnica_",
                                       { { "ime", CellType::text, 25 },
                                         { "datumkreiranja", CellType::date, 15 },
                                         { "cena", CellType::amount, 10 },
                                         { "stevilo", CellType::numberCentred, 10 },
                                         { "cenaskupaj", CellType::amount, 15 } },
                                       { "id", "glavna" },
                                       { { "ime", StatKind::title }, { "stevilo", StatKind::sum }, { "cenaskupaj", StatKind::sum } });
    return spec;
}
