// Every text the code translates must have a line in each of the three language files, or the
// key itself would show on screen in that language.
#include <gtest/gtest.h>
#include <juce_core/juce_core.h>

#include <regex>
#include <string>

namespace
{
// Keys the code builds or looks up without a TRANS literal; each needs its line as well.
const char* const kComposedKeys[] = {
    "decimalna_vejica",
    "language_combo_2", "language_combo_3", "language_combo_4",
    // business-register hit headers and the look-up texts the party editor shows translated
    "ajpes_ime", "ajpes_kratko_ime", "ajpes_naslov", "ajpes_maticna", "ajpes_davcna",
    "Error: Sending the message to Ajpes server failed!", "Cannot initialize CURL!",
    "Error: unable to create new XPath context", "Error: the setting xml_ajpes_reply_dir is empty!",
    "tipstranke0", "tipstranke1", "tipstranke2", "tipstranke3", "tipstranke4",
    "ddv_opis", "ddv_stopnja", "ddv_tip",
    "ddv_tip_0", "ddv_tip_1", "ddv_tip_2", "ddv_tip_3", "ddv_tip_4", "ddv_tip_5", "ddv_tip_6", "ddv_tip_7",
    // the model register's headers and the row names the cellar forms give the grade and model choosers
    "model_oznaka", "model_volumen", "model_enota", "Kvaliteta", "Steklenica",
    // the journal's details text puts these into its SQL; the wine journal's headers
    "log_trgatev: ", "log_l", "log_v posodi ", "log_v kleti ", "log_sladkanje", "log_ciscenje", "log_kvasovke",
    "log_encimi", "log_zascita", "log_filtracija", "log_korekcija", "log_stabilizacija", "log_maceracija",
    "log_na_kolicino", "log_dokument ", "log_kupec ", "log_konsignator ", "log_dobavitelj ", "log_kos ",
    "log_v skladisce ", "log_iz skladisca ", "log_pretok: ", "log_v posodo ", "log_v klet ", "log_iz posode ",
    "log_iz kleti ", "log_letnik: ", "log_parcela: ", "log_prepakiranje_artikel_prej", "log_prepakiranje_artikel_po",
    "log_prepakiranje_serija_prej", "log_prepakiranje_serija_po", "log_kalo: ", "log_kalo_opomba", "log_prenosposode",
    "log_tipizacija", "Opomin title", "log_opomin_za_racune", "log_Analiza vina", "log_Analiza_odlocba",
    "dnevnikvino_datum", "dnevnikvino_ime", "dnevnikvino_opomba", "dnevnikvino_vindor",
    // the article stock report and the article browsers: headers and statistic labels
    "porocilozalogartiklov_artikelime", "porocilozalogartiklov_skladisceime", "porocilozalogartiklov_lastnik", "porocilozalogartiklov_serija", "porocilozalogartiklov_steklenica", "porocilozalogartiklov_kvaliteta", "porocilozalogartiklov_volumen", "porocilozalogartiklov_stevilo", "porocilozalogartiklov_hid", "porocilozalogartiklov_stats_artikelime", "porocilozalogartiklov_stats_volumen", "porocilozalogartiklov_stats_stevilo", "porocilozalogartiklov_naslov_porocila", "porocilozalogartiklov_naslov_porocila_enoskladisce", "pregledbazeartikel_ime", "pregledbazeartikel_datumkreiranja", "pregledbazeartikel_cena", "pregledbazeartikel_skime", "pregledbazeartikel_stevilo", "pregledbazeartikel_serijalabel", "pregledbazeartikel_stats_ime", "pregledbazeartikel_stats_stevilo", "pregledbazeartikel_p_rtip", "pregledbazeartikel_p_oznaka", "pregledbazeartikel_p_kupec", "pregledbazeartikel_p_datum", "pregledbazeartikel_p_stevilo", "pregledbazeartikel_p_cena", "pregledbazeartikel_p_znesek", "pregledbazeartikel_p_ddv", "pregledbazeartikel_p_skupaj", "pregledbazeartikel_p_stats_oznaka", "pregledbazeartikel_p_stats_stevilo", "pregledbazeartikel_p_stats_znesek", "pregledbazeartikel_p_stats_ddv", "pregledbazeartikel_p_stats_skupaj", "racunpregled_nidoloceno", "racunpregled_steklenica",
    // the cellar dialogs' texts with letters beyond ASCII, translated from their UTF-8 form
    " \xc5\xbe" "e obstaja!", "\xc5\xbe" "e obstaja! Posode s to oznako ne morete prestaviti v izbrano klet.",
    "Posoda mora imeti prostornino ve\xc4\x8d" "jo od 0!",
    // the agent kinds' tick boxes, the treatment kinds' rows and failure texts, the analysis rows,
    // and the headers of the parcel, agent and analysis browsers
    "tipsredstvo0", "tipsredstvo1", "tipsredstvo2", "tipsredstvo3", "tipsredstvo4",
    "tipsredstvo5", "tipsredstvo6", "tipsredstvo7", "tipsredstvo8", "tipsredstvo9",
    "sladkanje_sredstvo", "sladkanje_kolicina", "sladkanje_napakainsert",
    "ciscenje_sredstvo", "ciscenje_kolicina", "ciscenje_napakainsert",
    "kvasovke_sredstvo", "kvasovke_kolicina", "kvasovke_napakainsert",
    "encimi_sredstvo", "encimi_kolicina", "encimi_napakainsert",
    "zascita_sredstvo", "zascita_kolicina", "zascita_napakainsert",
    "filtracija_sredstvo", "filtracija_opis", "filtracija_napakainsert",
    "korekcija_sredstvo", "korekcija_kolicina", "korekcija_napakainsert",
    "stabilizacija_sredstvo", "stabilizacija_kolicina", "stabilizacija_napakainsert",
    "maceracija_sredstvo", "maceracija_kolicina", "maceracija_opis", "maceracija_napakainsert",
    "analiza_gostota", "analiza_alkohol", "analiza_salkohol", "analiza_ekstrakt", "analiza_rsladkor",
    "analiza_ekstraktbs", "analiza_skis", "analiza_hkis", "analiza_nkis", "analiza_ph", "analiza_prosto",
    "analiza_szveplo", "analiza_pepel", "analiza_datum", "analiza_vino", "analiza_posoda", "Analize",
    "parcela_vnaslov", "parcela_drzavaime", "parcela_drzavakratica", "parcela_drzavaeu", "Parcela",
    // the batch register's, the batch composition's and the batch history's headers
    "serija_oznaka", "serija_letnik", "serija_stevilo", "serija_sorta", "serija_model", "serija_kvaliteta",
    "pregledbazekompozicija_sorta", "pregledbazekompozicija_vletnik", "pregledbazekompozicija_parcela",
    "pregledbazekompozicija_vinogradnik", "pregledbazekompozicija_razmerje", "pregledbazekompozicija_volumen",
    "pregledbazekompozicija_serija", "pregledbazekompozicija_seletnik", "pregledbazekompozicija_model",
    "pregledbazekompozicija_modelvolumen", "pregledbazekompozicija_datumpolnjenja", "pregledbazekompozicija_steviloserije",
    "pregledbazekompozicija_posoda", "pregledbazekompozicija_klet",
    "dnevnikserija_datum", "dnevnikserija_ime", "dnevnikserija_opomba", "dnevnikserija_vindor",
    // the bill-of-materials browser's headers and statistics, and the refusals of its line editor
    "pregledbazekosovnica_ime", "pregledbazekosovnica_datumkreiranja", "pregledbazekosovnica_cena",
    "pregledbazekosovnica_stevilo", "pregledbazekosovnica_cenaskupaj", "pregledbazekosovnica_stats_ime",
    "pregledbazekosovnica_stats_stevilo", "pregledbazekosovnica_stats_cenaskupaj",
    "Artikel ni podan", "kosovnica_add_not_drugo", "Artikel je enak parentu", "Kolicina artikla ni podana!",
    "Kolicina polizdelkov prevelika", "Napaka pri vnasanju kosovnice v hrambo",
};

juce::File sourceDir() { return juce::File (VINDORO_SOURCE_DIR); }

// The bytes a C++ string literal stands for, read as UTF-8.
juce::String unescapeLiteral (const std::string& body)
{
    std::string out;
    for (size_t i = 0; i < body.size(); ++i)
    {
        char c = body[i];
        if (c != '\\' || i + 1 >= body.size())
        {
            out += c;
            continue;
        }
        c = body[++i];
        switch (c)
        {
            case 'n': out += '\n'; break;
            case 't': out += '\t'; break;
            case 'r': out += '\r'; break;
            case 'x':
            {
                int value = 0;
                while (i + 1 < body.size() && std::isxdigit ((unsigned char) body[i + 1]))
                    value = value * 16 + juce::CharacterFunctions::getHexDigitValue ((juce::juce_wchar) body[++i]);
                out += (char) value;
                break;
            }
            default:
                if (c >= '0' && c <= '7')
                {
                    int value = c - '0';
                    for (int n = 0; n < 2 && i + 1 < body.size() && body[i + 1] >= '0' && body[i + 1] <= '7'; ++n)
                        value = value * 8 + (body[++i] - '0');
                    out += (char) value;
                }
                else
                {
                    out += c; // \" \\ \'
                }
        }
    }
    return juce::String::fromUTF8 (out.data(), (int) out.size());
}

juce::StringArray keysUsedInSources()
{
    static const std::regex call (R"re((?:\bTRANS|\btranslate)\s*\(\s*"((?:[^"\\\n]|\\.)*)"\s*\))re");
    juce::StringArray keys;
    for (const auto& entry : juce::RangedDirectoryIterator (sourceDir().getChildFile ("src"), true, "*.cpp;*.h"))
    {
        const auto text = entry.getFile().loadFileAsString().toStdString();
        for (std::sregex_iterator it (text.begin(), text.end(), call), end; it != end; ++it)
            keys.addIfNotAlreadyThere (unescapeLiteral ((*it)[1].str()));
    }
    for (auto* k : kComposedKeys)
        keys.addIfNotAlreadyThere (juce::String::fromUTF8 (k));
    keys.sort (true);
    return keys;
}
} // namespace

TEST (LanguageKeys, EveryKeyTheCodeUsesHasATextInEachFile)
{
    const auto keys = keysUsedInSources();
    ASSERT_TRUE (keys.contains ("Program je ze zagnan")); // the scan itself works
    for (auto* name : { "slovensko.txt", "english.txt", "slo-eng.txt" })
    {
        const auto file = sourceDir().getChildFile ("resources").getChildFile (name);
        ASSERT_TRUE (file.existsAsFile()) << name;
        juce::LocalisedStrings table (file.loadFileAsString(), true);
        juce::StringArray missing;
        for (auto& key : keys)
            if (! table.getMappings().containsKey (key) || table.getMappings()[key].isEmpty())
                missing.add ("\"" + key + "\"");
        EXPECT_TRUE (missing.isEmpty()) << name << " lacks: " << missing.joinIntoString (", ");
    }
}

TEST (LanguageKeys, LiteralEscapesAreReadAsTheCodeMeansThem)
{
    EXPECT_EQ (unescapeLiteral (R"(Can\xc2\xb4t open)"), juce::String::fromUTF8 ("Can\xc2\xb4t open"));
    EXPECT_EQ (unescapeLiteral (R"(a \"b\" \\ c\n)"), "a \"b\" \\ c\n");
}

// The framework keeps the last line of a key, so a key written twice silently overrides the
// first text (a date format once lost its Slovenian form that way).
TEST (LanguageKeys, NoKeyIsWrittenTwice)
{
    for (auto* name : { "slovensko.txt", "english.txt", "slo-eng.txt" })
    {
        const auto file = sourceDir().getChildFile ("resources").getChildFile (name);
        juce::StringArray lines, seen, twice;
        lines.addLines (file.loadFileAsString());
        for (auto& line : lines)
        {
            if (! line.startsWithChar ('"') || ! line.contains ("\" = \""))
                continue;
            const auto key = line.upToFirstOccurrenceOf ("\" = \"", false, false).substring (1).toLowerCase();
            if (seen.contains (key))
                twice.addIfNotAlreadyThere (key);
            seen.add (key);
        }
        EXPECT_TRUE (twice.isEmpty()) << name << " repeats: " << twice.joinIntoString (", ");
    }
}
