#include "operations/OpraviloLogDetails.h"
#include "core/Log.h"
#include "core/TextHelpers.h"
#include "db/SqlitetoXml.h"

using juce::String;

namespace
{
// A translation goes into the SQL as a quoted literal: an apostrophe in it must not end the literal.
String T (const char* key)
{
    return sqlEscape (juce::translate (key));
}

// Documents of these kinds name their partner as customer (below), consignee or supplier.
constexpr int kIssuedKindsBelow = 3;
constexpr int kTransferNoteKind = 6;
constexpr int kBottledWineArticle = 2;

struct Treatment
{
    int type;
    const char* table;
    const char* key;
    const char* alias;
};

const Treatment kTreatments[] = {
    { OperationType::sweetening, "sladkanje", "log_sladkanje", "slad1" },
    { OperationType::fining, "ciscenje", "log_ciscenje", "cisc1" },
    { OperationType::yeasts, "kvasovke", "log_kvasovke", "kvas1" },
    { OperationType::enzymes, "encimi", "log_encimi", "encim1" },
    { OperationType::protection, "zascita", "log_zascita", "zasc1" },
    { OperationType::filtration, "filtracija", "log_filtracija", "filtr1" },
    { OperationType::correction, "korekcija", "log_korekcija", "korek1" },
    { OperationType::stabilisation, "stabilizacija", "log_stabilizacija", "stabil1" },
    { OperationType::maceration, "maceracija", "log_maceracija", "mac1" },
};

const int kDocumentTypes[] = { OperationType::invoice, OperationType::quotation, OperationType::receivedInvoice,
                               OperationType::otherDocument, OperationType::receivedOtherDocument,
                               OperationType::claimOrLiability };

} // namespace

Opravilo::LogDetails::LogDetails (int glavnaIn, int opraviloIn, const String& naslovIn, const String& uporabnikIn,
                                  SqlitetoXml* dbIn)
{
    glavna = -1;
    serijaFilter = {};
    opravila.clear();
    glavna = glavnaIn;
    opravilo = opraviloIn;
    naslov = naslovIn;
    uporabnik = uporabnikIn;
    db = dbIn;
}

Opravilo::LogDetails::~LogDetails() = default;

String Opravilo::LogDetails::idListSql (const String& list)
{
    juce::StringArray tokens, ids;
    tokens.addTokens (list, " ,()\t\r\n", "");
    for (auto& token : tokens)
        if (token.isNotEmpty() && token.containsOnly ("0123456789") && token.length() < 10)
            ids.addIfNotAlreadyThere (String (token.getIntValue()));
    return ids.isEmpty() ? String() : "(" + ids.joinIntoString (",") + ")";
}

String Opravilo::LogDetails::countingQuery (const Opravilo& cache, const juce::Array<int>& joinedIndexes, int entry)
{
    // One presence test per table rather than one join of them all: the answer only says whether
    // the entry has rows there, and joining some twenty tables per entry costs far more to plan.
    const String id (entry);
    String sql = "SELECT CAST(COUNT(g.id) AS CHAR(10))";
    for (int index : joinedIndexes)
        sql << " || ' ' || EXISTS(SELECT 1 FROM " << cache.getTabela (index) << " WHERE glavna=" << id << ")";
    sql << " FROM glavna AS g WHERE g.id=" << id;
    return sql;
}

bool Opravilo::LogDetails::reloadOpravila()
{
    if (glavna < 0)
        return false;
    auto* cache = Opravilo::getInstance();
    if (cache == nullptr || db == nullptr)
        return false;
    opravila.clear();

    if (opravilo == OperationType::dataImport)
    {
        if (cache->getIndex (OperationType::dataImport) >= 0)
            opravila.add (OperationType::dataImport);
        return true;
    }

    // Types without a table, the journal itself and tables the database lacks are left out of
    // the query: one of them would make it fail and every entry read ".".
    juce::Array<int> joined;
    for (int i = 0; i < cache->getNumOpravil(); ++i)
        if (cache->hasDetailTable (i))
            joined.add (i);

    const auto answer = db->sqlQueryStringNoLog (countingQuery (*cache, joined, glavna));
    const auto counts = juce::StringArray::fromTokens (answer, " ", "");
    if (counts.isEmpty() || counts[0].getIntValue() < 1)
    {
        vindoro::vlog ("Opravilo::LogDetails::reloadOpravila", kNoEntry + String (glavna));
        return false;
    }
    for (int k = 0; k < joined.size() && k + 1 < counts.size(); ++k)
        if (counts[k + 1].getIntValue() > 0)
            opravila.add (cache->getId (joined[k]));
    return true;
}

String Opravilo::LogDetails::scalar (const String& sql, bool logSql)
{
    return logSql ? db->sqlQueryString (sql) : db->sqlQueryStringNoLog (sql);
}

void Opravilo::LogDetails::appendPart (const String& sql)
{
    text << scalar (sql, true) << "; ";
}

String Opravilo::LogDetails::treatmentQuery (int type) const
{
    for (const auto& t : kTreatments)
    {
        if (t.type != type)
            continue;
        const String table (t.table);
        const bool filtration = type == OperationType::filtration;
        const bool described = filtration || type == OperationType::maceration;
        String inner = filtration ? "SELECT sredstvo.oznaka || ' " + T ("log_na_kolicino") + " ' || v.volumen || '" + T ("log_l") + "'"
                                  : "SELECT v.kolicina || ' ' || enota.oznaka || ' ' || sredstvo.oznaka || ' " + T ("log_na_kolicino")
                                        + " ' || v.volumen || '" + T ("log_l") + "'";
        if (described)
            inner << " || ' ' || v.opis";
        inner << " FROM " << table << " AS v LEFT JOIN sredstvo ON sredstvo.id=v.sredstvo";
        if (! filtration)
            inner << " LEFT JOIN enota ON enota.id=v.e_kolicina";
        inner << " WHERE v.id=" << table << ".id";
        return "SELECT '" + T (t.key) + "' || (" + inner + ") AS " + t.alias + " FROM " + table + " WHERE " + table + ".glavna=" + id();
    }
    return {};
}

String Opravilo::LogDetails::documentQuery() const
{
    if (serijaFilter.isEmpty())
        return "SELECT '" + T ("log_dokument ") + "' || racun.oznaka || CASE WHEN racun.tip<" + String (kIssuedKindsBelow)
               + " THEN '" + T ("log_kupec ") + "' WHEN racun.tip=" + String (kTransferNoteKind) + " THEN '" + T ("log_konsignator ")
               + "' ELSE '" + T ("log_dobavitelj ") + "' END || stranka.ime FROM racun LEFT JOIN stranka ON stranka.id=racun.kupecracun WHERE racun.glavna="
               + id();

    // A filter naming no batch matches no line.
    const auto f = idListSql (serijaFilter).isEmpty() ? String ("(NULL)") : idListSql (serijaFilter);
    return "SELECT CASE WHEN (SELECT COUNT(postavka.id) FROM postavka LEFT JOIN artikel ON artikel.id=postavka.artikel WHERE postavka.racun=r.id AND artikel.tip="
           + String (kBottledWineArticle) + " AND artikel.link IN " + f + ")>0 THEN (SELECT '" + T ("log_dokument ")
           + "' || racun.oznaka || CASE WHEN r.tip<" + String (kIssuedKindsBelow) + " THEN '" + T ("log_kupec ") + "' WHEN r.tip="
           + String (kTransferNoteKind) + " THEN '" + T ("log_konsignator ") + "' ELSE '" + T ("log_dobavitelj ")
           + "' END || stranka.ime FROM racun LEFT JOIN stranka ON stranka.id=racun.kupecracun WHERE racun.id=r.id) ELSE '' END FROM racun AS r LEFT JOIN postavka AS rpo ON rpo.racun=r.id LEFT JOIN hramba AS rpohr ON rpohr.id=rpo.link LEFT JOIN artikel AS rpoart ON rpoart.id=rpohr.artikel WHERE rpoart.link IN "
           + f + " AND r.glavna=" + id();
}

String Opravilo::LogDetails::transferQuery() const
{
    return "SELECT '" + T ("log_pretok: ") + "' || " + sqlGroupConcat ("tekstpretok", " ")
           + " FROM (SELECT SUM(pretok.volumen) || '" + T ("log_l")
           + " ('|| CASE COUNT(sorta.sorta) WHEN 1 THEN sorta.sorta ELSE tipsorta.sorta END || ')' || CASE pretok.smer WHEN 1 THEN ' "
           + T ("log_v posodo ") + "' || posoda.oznaka || ' " + T ("log_v klet ") + "' || klet.ime  ELSE ' " + T ("log_iz posode ")
           + "' || posoda.oznaka || ' " + T ("log_iz kleti ")
           + "' || klet.ime END AS tekstpretok, pretok.glavna AS glavna FROM pretok LEFT JOIN posoda ON posoda.id=pretok.posoda LEFT JOIN klet ON posoda.klet=klet.id LEFT JOIN tipizacija ON tipizacija.id=posoda.tipizacija LEFT JOIN sorta AS tipsorta ON tipsorta.id=tipizacija.sorta LEFT JOIN vino ON vino.id=pretok.vino LEFT JOIN sorta ON sorta.id=vino.sorta WHERE pretok.glavna="
           + id() + " GROUP BY pretok.smer ORDER BY pretok.smer DESC) ";
}

String Opravilo::LogDetails::goodsQuery() const
{
    const bool filtered = serijaFilter.isNotEmpty();
    String sql = "SELECT " + sqlGroupConcat ("tekstprenos", ", ")
                 + " FROM (SELECT CASE prenos.smer WHEN 1 THEN SUM(prenos.kolicina) || ' " + T ("log_kos ") + T ("log_v skladisce ")
                 + "' || skladisce.ime ELSE SUM(prenos.kolicina) || ' " + T ("log_kos ") + T ("log_iz skladisca ")
                 + "' || skladisce.ime END AS tekstprenos FROM prenos LEFT JOIN hramba ON hramba.id=prenos.hramba LEFT JOIN skladisce ON skladisce.id=hramba.skladisce";
    if (filtered)
        sql << " LEFT JOIN artikel ON artikel.id=hramba.artikel";
    sql << " WHERE prenos.kolicina>0 AND prenos.glavna=" << id();
    if (filtered)
        sql << " AND artikel.tip=" << String (kBottledWineArticle) << " AND artikel.link IN "
            << (idListSql (serijaFilter).isEmpty() ? String ("(NULL)") : idListSql (serijaFilter));
    sql << " GROUP BY prenos.smer,hramba.skladisce ORDER BY prenos.smer DESC)";
    return sql;
}

String Opravilo::LogDetails::repackingQuery() const
{
    return "SELECT CASE WHEN a1.ime NOT LIKE a2.ime THEN '" + T ("log_prepakiranje_artikel_prej") + "' || a1.ime || '"
           + T ("log_prepakiranje_artikel_po") + "' || a2.ime || '; ' ELSE '' END || CASE WHEN a1.tip=" + String (kBottledWineArticle)
           + " AND a1.tip=a2.tip AND NOT a1.link=a2.link THEN '" + T ("log_prepakiranje_serija_prej")
           + "' || so1.sorta || ' ' || s1.letnik || '-' || s1.oznaka || '" + T ("log_prepakiranje_serija_po")
           + "' || so2.sorta || ' ' || s2.letnik || '-' || s2.oznaka || '; ' ELSE '' END FROM prepakiranje AS p LEFT JOIN artikel AS a1 ON a1.id=p.artprej LEFT JOIN artikel AS a2 ON a2.id=p.artpo LEFT JOIN serija AS s1 ON s1.id=a1.link LEFT JOIN serija AS s2 ON s2.id=a2.link LEFT JOIN sorta AS so1 ON so1.id=s1.sorta LEFT JOIN sorta AS so2 ON so2.id=s2.sorta WHERE p.glavna="
           + id();
}

bool Opravilo::LogDetails::reloadText()
{
    text = {};
    if (glavna < 0)
        return false;
    if (db == nullptr)
    {
        text = ".";
        return true;
    }
    reloadOpravila();

    if (has (OperationType::harvest))
        appendPart ("SELECT '" + T ("log_trgatev: ")
                    + "' || sorta.sorta || ' (' || parcela.ime ||') ' || trgatev.volumen || 'kg' FROM trgatev LEFT JOIN vino ON vino.id=trgatev.vino LEFT JOIN sorta ON sorta.id=vino.sorta LEFT JOIN parcela ON parcela.id=vino.parcela WHERE trgatev.glavna="
                    + id());

    if (has (OperationType::wineCare))
        appendPart ("SELECT SUM(vinopravilo.volumen) || ' " + T ("log_l")
                    + " ('|| CASE COUNT(sorta.sorta) WHEN 1 THEN sorta.sorta ELSE tipsorta.sorta END || ')' || ' " + T ("log_v posodi ")
                    + "' || posoda.oznaka || ' " + T ("log_v kleti ")
                    + "' || klet.ime FROM vinopravilo LEFT JOIN posoda ON posoda.id=vinopravilo.posoda LEFT JOIN klet ON posoda.klet=klet.id LEFT JOIN tipizacija ON tipizacija.id=posoda.tipizacija LEFT JOIN sorta AS tipsorta ON tipsorta.id=tipizacija.sorta LEFT JOIN vino ON vino.id=vinopravilo.vino LEFT JOIN sorta ON sorta.id=vino.sorta WHERE vinopravilo.glavna="
                    + id());

    for (const auto& t : kTreatments)
        if (has (t.type))
            appendPart (treatmentQuery (t.type));

    for (int type : kDocumentTypes)
        if (has (type))
        {
            appendPart (documentQuery());
            break;
        }

    if (has (OperationType::bottling))
        appendPart ("SELECT steklenicenje.stevilo || ' " + T ("log_kos ") + "' || sorta.sorta || ' ' || serija.letnik || ', ' || model.volumen || '"
                    + T ("log_l") + ", ' || serija.letnik || '-' || serija.oznaka || ' " + T ("log_v skladisce ")
                    + "' || skladisce.ime FROM steklenicenje LEFT JOIN serija ON steklenicenje.serija=serija.id LEFT JOIN sorta ON sorta.id=serija.sorta LEFT JOIN model ON model.id=serija.model LEFT JOIN skladisce ON skladisce.id=steklenicenje.skladisce WHERE steklenicenje.glavna="
                    + id());

    // A wine-care operation books movements too; its own part says what they were.
    if (has (OperationType::wineTransfer) && ! has (OperationType::wineCare))
        appendPart (transferQuery());

    if (has (OperationType::openingWine))
        appendPart ("SELECT '" + T ("log_letnik: ") + "' || vino.letnik || ' " + T ("log_parcela: ")
                    + "' || parcela.ime FROM starovino LEFT JOIN vino ON vino.id=starovino.vino LEFT JOIN parcela ON parcela.id=vino.parcela WHERE starovino.glavna="
                    + id());

    if (has (OperationType::goodsMove))
    {
        const auto goods = scalar (goodsQuery(), serijaFilter.isNotEmpty());
        if (goods.isNotEmpty())
            text << juce::translate ("log_prenos: ") << goods << "; ";
    }

    if (has (OperationType::repacking))
        text << scalar (repackingQuery(), true);

    if (has (OperationType::loss))
        appendPart ("SELECT '" + T ("log_kalo: ") + "' || SUM(kalo.volumen) || '" + T ("log_l") + "' || CASE WHEN LENGTH(g.opomba)>0 THEN ' ("
                    + T ("log_kalo_opomba") + "' || g.opomba || ')' ELSE '' END FROM kalo LEFT JOIN glavna AS g ON g.id=kalo.glavna WHERE kalo.glavna="
                    + id());

    if (has (OperationType::vesselChange))
        appendPart ("SELECT '" + T ("log_prenosposode") + " ' || prenosposode.oznaka FROM prenosposode WHERE glavna=" + id());

    // Entry 1 is the placeholder every declaration without a booking of its own points at.
    if (has (OperationType::declaration) && glavna > 1)
        appendPart ("SELECT '" + T ("log_tipizacija")
                    + " ' || sorta.sorta || ' ' || tipizacija.letnik || ' ' || kvaliteta.oznaka FROM tipizacija LEFT JOIN sorta ON sorta.id=tipizacija.sorta LEFT JOIN kvaliteta ON kvaliteta.id=tipizacija.kvaliteta WHERE tipizacija.glavna="
                    + id());

    if (has (OperationType::paymentReminder))
        appendPart ("SELECT '" + T ("Opomin title") + "' || ' ' || opomin_oznaka || ' " + T ("log_opomin_za_racune") + " ' || "
                    + sqlGroupConcat ("tekstprenos", ", ")
                    + " FROM (SELECT racun.oznaka AS tekstprenos,opomin.oznaka AS opomin_oznaka FROM opominpostavke LEFT JOIN racun ON racun.id=opominpostavke.racun LEFT JOIN opomin ON opomin.id=opominpostavke.opomin WHERE opomin.glavna="
                    + id() + " ORDER BY racun.oznaka)");

    // An analysis without a decision (never set: NULL) reads as one with an empty decision.
    if (has (OperationType::analysis))
        appendPart (" SELECT '" + T ("log_Analiza vina") + "' || CASE WHEN IFNULL(ana.odlocba,'')='' THEN '' ELSE ' ("
                    + T ("log_Analiza_odlocba") + "' || ana.odlocba || ')' END FROM analiza AS ana WHERE ana.glavna=" + id());

    if (has (OperationType::dataImport))
        appendPart ("SELECT g.opomba FROM glavna AS g WHERE g.id=" + id());

    text = text.trim();
    if (text.endsWithChar (';'))
        text = text.dropLastCharacters (1);
    text << ".";
    return true;
}
