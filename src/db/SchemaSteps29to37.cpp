// Schema steps 29 to 37 of SchemaSteps.
#include "db/SchemaSteps.h"

#include "core/Globals.h"
#include "db/SQLtoXml.h"
#include "db/SchemaStep.h"

#include <memory>

namespace vindoro
{
namespace
{
juce::String transakcijaTable (const char* racunColumn)
{
    return juce::String ("CREATE TABLE `transakcija` (`id` integer NOT NULL PRIMARY KEY AUTOINCREMENT, "
                         "`bizpisek` integer NOT NULL DEFAULT '1', `racun` integer ") + racunColumn + ", `oznaka` varchar(256), "
           "`datum` datetime DEFAULT NULL, `sklic` varchar(128), `dobro` double NOT NULL DEFAULT '0', "
           "`breme` double NOT NULL DEFAULT '0', `iban` integer DEFAULT 1, `active` integer NOT NULL DEFAULT '1', "
           "CONSTRAINT `transakcija_ibfk_1` FOREIGN KEY (`iban`) REFERENCES `iban` (`id`) ON UPDATE CASCADE, "
           "CONSTRAINT `transakcija_ibfk_2` FOREIGN KEY (`bizpisek`) REFERENCES `bizpisek` (`id`) ON UPDATE CASCADE, "
           "CONSTRAINT `transakcija_ibfk_3` FOREIGN KEY (`racun`) REFERENCES `racun` (`id`) ON UPDATE CASCADE)";
}

void setUserSetting (const char* key, const juce::var& value)
{
    if (auto* settings = getUserSettings())
        settings->setValue (key, value);
}
} // namespace

void SchemaSteps::update_from_29_to_30 (UpgradeRun& run)
{
    SchemaStep step (run, "update_from_29_to_30", 29, 30);
    auto& q = step.db();
    step.exec ("UPDATE iban SET iban='' WHERE id=1");
    step.exec ("UPDATE banka SET swift='' WHERE id=1");

    juce::StringArray statements;
    q.sqlQuery ("SELECT id,iban FROM iban");
    if (auto* data = q.getData())
        for (auto* row : data->getChildIterator())
            statements.add ("UPDATE iban SET iban='" + cleanAccountText (row->getStringAttribute ("iban")) + "' WHERE id="
                            + juce::String (row->getStringAttribute ("id").getIntValue()));
    for (auto& sql : statements)
        step.exec (sql);

    step.rebuildMovingAside ("transakcija", transakcijaTable ("NOT NULL DEFAULT '0'"),
                             "INSERT INTO transakcija(id,bizpisek,racun,oznaka,sklic,dobro,breme,iban,active) SELECT t.id,t.bizpisek,"
                             "t.racun,t.oznaka,'',t.dobro,t.breme,1,1 FROM transakcijatmp AS t");
    step.finish();
}

void SchemaSteps::update_from_30_to_31 (UpgradeRun& run)
{
    SchemaStep step (run, "update_from_30_to_31", 30, 31);
    step.exec ("INSERT INTO pkosovnica(artikel,stevilo,kosovnica) SELECT a.id,1,h.kosovnica FROM hramba AS h LEFT JOIN artikel AS a "
               "ON a.id=h.artikel WHERE h.kosovnica>0 AND a.tip=2");
    step.exec ("INSERT INTO artikel(ime,link,link2,cena,ddv,enota,parent,tip,datumkreiranja,active) SELECT 'Novo ' || a.ime,h.id,-1999,"
               "a.cena,a.ddv,a.enota,a.parent,3,a.datumkreiranja,a.active FROM hramba AS h LEFT JOIN artikel AS a ON a.id=h.artikel "
               "WHERE h.kosovnica>0 AND a.tip=2");
    step.exec ("UPDATE hramba SET artikel=(SELECT id FROM artikel WHERE link=hramba.id AND link2=-1999) WHERE hramba.id IN "
               "(SELECT h.id FROM hramba AS h LEFT JOIN artikel AS a ON a.id=h.artikel WHERE h.kosovnica>0 AND a.tip=2)");
    step.exec ("UPDATE postavka SET artikel=(SELECT a.id FROM postavka AS p LEFT JOIN hramba AS h ON h.id=p.link LEFT JOIN artikel AS a "
               "ON a.id=h.artikel WHERE p.id=postavka.id) WHERE postavka.id IN (SELECT p.id FROM postavka AS p LEFT JOIN hramba AS h "
               "ON h.id=p.link LEFT JOIN artikel AS a ON a.id=p.artikel WHERE h.kosovnica>0 AND a.tip=2)");
    step.finish();
}

void SchemaSteps::update_from_31_to_32 (UpgradeRun& run)
{
    SchemaStep step (run, "update_from_31_to_32", 31, 32);
    auto& q = step.db();
    step.rebuildMovingAside ("tipizacija",
                             "CREATE TABLE `tipizacija` (`id` integer NOT NULL PRIMARY KEY AUTOINCREMENT, `glavna` integer NOT NULL DEFAULT '1', "
                             "`sorta` integer NOT NULL DEFAULT '1', `letnik` integer DEFAULT NULL, `posoda` integer DEFAULT NULL, "
                             "`kvaliteta` integer NOT NULL DEFAULT '2', `active` integer NOT NULL DEFAULT '1', "
                             "CONSTRAINT `tipizacija_ibfk_1` FOREIGN KEY (`glavna`) REFERENCES `glavna` (`id`) ON UPDATE CASCADE, "
                             "CONSTRAINT `tipizacija_ibfk_2` FOREIGN KEY (`sorta`) REFERENCES `sorta` (`id`) ON UPDATE CASCADE, "
                             "CONSTRAINT `tipizacija_ibfk_3` FOREIGN KEY (`kvaliteta`) REFERENCES `kvaliteta` (`id`) ON UPDATE CASCADE)",
                             "INSERT INTO tipizacija(id,glavna,sorta,letnik,posoda,kvaliteta,active) SELECT t.id,t.glavna,t.sorta,t.letnik,"
                             "t.posoda,2,1 FROM tipizacijatmp AS t");
    if (step.stopped())
        return;

    q.ok = false;
    int white = q.sqlQueryOneValue ("SELECT id FROM sorta WHERE sorta='Belo'", true).getIntValue();
    if (q.ok && white > 0)
        step.exec ("UPDATE sorta SET active=1 WHERE id=" + juce::String (white));
    else if (step.exec ("INSERT INTO sorta(sorta,okrajsano,barva,tip,active) VALUES('Belo','BEL',16777011,1,1)"))
        white = (int) q.lastInsertedID();
    else
        white = 0;
    // The settings name rows of this step: they are written only once the rows are committed.
    if (white > 0)
        step.afterCommit ([white]
        {
            setUserSetting ("belo_brez_oznake_id", white);
            setUserSetting ("belo_brez_oznake_sorta", "Belo");
        });

    const juce::String redName = juce::String::fromUTF8 ("Rde\xc4\x8d" "e");
    int red = (int) q.sqlQueryInt ("SELECT id FROM sorta WHERE sorta='" + redName + "'");
    if (q.ok && red > 0)
        step.exec ("UPDATE sorta SET active=1 WHERE id=" + juce::String (red));
    else if (step.exec ("INSERT INTO sorta(sorta,okrajsano,barva,tip,active) VALUES('" + redName + "','RDE',13369344,0,1)"))
        red = (int) q.lastInsertedID();
    else
        red = 0;
    if (red > 0)
        step.afterCommit ([red, redName]
        {
            setUserSetting ("rdece_brez_oznake_id", red);
            setUserSetting ("rdece_brez_oznake_sorta", redName);
        });

    step.rebuildMovingAside ("parcela",
                             "CREATE TABLE `parcela` (`id` integer NOT NULL PRIMARY KEY AUTOINCREMENT, `ime` varchar(35) NOT NULL , "
                             "`vinogradnik` integer DEFAULT NULL , `gerkpid` text DEFAULT NULL, `drzava` integer DEFAULT NULL, "
                             "`active` integer NOT NULL DEFAULT '1', "
                             "CONSTRAINT `parcela_ibfk_1` FOREIGN KEY (`vinogradnik`) REFERENCES `stranka` (`id`) ON UPDATE CASCADE, "
                             "CONSTRAINT `parcela_ibfk_2` FOREIGN KEY (`drzava`) REFERENCES `drzava` (`id`) ON UPDATE CASCADE)",
                             "INSERT INTO parcela(id,ime,vinogradnik,gerkpid,drzava,active) SELECT t.id,t.ime,t.vinogradnik,t.gerkpid,185,1 "
                             "FROM parcelatmp AS t");
    step.finish();
}

void SchemaSteps::update_from_32_to_33 (UpgradeRun& run)
{
    SchemaStep step (run, "update_from_32_to_33", 32, 33);
    step.exec ("PRAGMA foreign_keys=OFF");
    const juce::String create = step.storedCreateText ("posoda").replace ("varchar(4)", "varchar(128)");
    step.rebuildMovingAside ("posoda", create,
                             "INSERT INTO posoda(id,klet,volumen,pozx,pozy,pozz,oznaka,tipizacija,cena,ddv,tip,active) SELECT t.id,t.klet,"
                             "t.volumen,t.pozx,t.pozy,t.pozz,t.oznaka,t.tipizacija,t.cena,t.ddv,t.tip,t.active FROM posodatmp AS t");
    step.exec ("INSERT INTO opravilo(id,ime,tabela,active) VALUES(37,'Prenos podatkov','glavna',1)");
    step.finish();
}

void SchemaSteps::update_from_33_to_34 (UpgradeRun& run)
{
    SchemaStep step (run, "update_from_33_to_34", 33, 34);
    step.rebuildMovingAside ("transakcija", transakcijaTable ("DEFAULT NULL"),
                             "INSERT INTO transakcija(id,bizpisek,racun,oznaka,datum,sklic,dobro,breme,iban,active) SELECT t.id,t.bizpisek,"
                             "CASE WHEN t.racun='0' THEN NULL ELSE t.racun END,t.oznaka,t.datum,t.sklic,t.dobro,t.breme,t.iban,t.active "
                             "FROM transakcijatmp AS t");
    step.finish();
}

void SchemaSteps::update_from_34_to_35 (UpgradeRun& run)
{
    SchemaStep step (run, "update_from_34_to_35", 34, 35);
    step.rebuildMovingAside ("opomin",
                             "CREATE TABLE `opomin` (`id` integer NOT NULL PRIMARY KEY AUTOINCREMENT, `glavna` integer NOT NULL DEFAULT '1', "
                             "`oznaka` text, `stroski` double DEFAULT NULL, `obresti` double DEFAULT '0', `datum` datetime DEFAULT NULL, "
                             "`rok` datetime DEFAULT NULL, `opomba1` text, `opomba2` text, "
                             "CONSTRAINT `opomin_ibfk_1` FOREIGN KEY (`glavna`) REFERENCES `glavna` (`id`) ON UPDATE CASCADE)",
                             "INSERT INTO opomin(id,glavna,oznaka,stroski,obresti,datum,rok,opomba1,opomba2) SELECT t.id,t.glavna,t.oznaka,"
                             "t.stroski,0,t.datum,t.rok,t.opomba1,t.opomba2 FROM opomintmp AS t");
    step.rebuildMovingAside ("pretok",
                             "CREATE TABLE `pretok` (`id` integer NOT NULL PRIMARY KEY AUTOINCREMENT, `glavna` integer NOT NULL DEFAULT '1', "
                             "`posoda` integer NOT NULL, `vino` integer NOT NULL, `smer` integer NOT NULL, `volumen` double NOT NULL, "
                             "`active` integer NOT NULL DEFAULT '1', "
                             "CONSTRAINT `pretok_ibfk_1` FOREIGN KEY (`glavna`) REFERENCES `glavna` (`id`) ON UPDATE CASCADE, "
                             "CONSTRAINT `pretok_ibfk_2` FOREIGN KEY (`posoda`) REFERENCES `posoda` (`id`), "
                             "CONSTRAINT `pretok_ibfk_3` FOREIGN KEY (`vino`) REFERENCES `vino` (`id`))",
                             "INSERT INTO pretok(glavna,posoda,vino,smer,volumen,active) SELECT t.id,t.posoda,t.vino,t.smer,t.volumen,t.active "
                             "FROM pretoktmp AS t");
    for (int id : { 17, 19, 20, 24 })
        step.exec ("UPDATE opravilo SET active=0 WHERE id=" + juce::String (id));
    step.finish();
}

void SchemaSteps::update_from_35_to_36 (UpgradeRun& run)
{
    SchemaStep step (run, "update_from_35_to_36", 35, 36);
    step.exec ("CREATE TABLE `prepakiranje` (`id` integer NOT NULL PRIMARY KEY AUTOINCREMENT, `glavna` integer NOT NULL DEFAULT '1', "
               "`artprej` integer DEFAULT NULL, `artpo` integer DEFAULT NULL, `sklprej` integer DEFAULT NULL, `sklpo` integer DEFAULT NULL, "
               "`stprej` integer NOT NULL DEFAULT '0', `stpo` integer NOT NULL DEFAULT '0', "
               "CONSTRAINT `prepakiranje_ibfk_1` FOREIGN KEY (`glavna`) REFERENCES `glavna` (`id`) ON UPDATE CASCADE, "
               "CONSTRAINT `prepakiranje_ibfk_2` FOREIGN KEY (`artprej`) REFERENCES `artikel` (`id`) , "
               "CONSTRAINT `prepakiranje_ibfk_3` FOREIGN KEY (`artpo`) REFERENCES `artikel` (`id`) , "
               "CONSTRAINT `prepakiranje_ibfk_4` FOREIGN KEY (`sklprej`) REFERENCES `skladisce` (`id`) , "
               "CONSTRAINT `prepakiranje_ibfk_5` FOREIGN KEY (`sklpo`) REFERENCES `skladisce` (`id`))");
    step.exec ("UPDATE opravilo SET active=1 WHERE id=20");
    step.finish();
}

void SchemaSteps::update_from_36_to_37 (UpgradeRun& run)
{
    SchemaStep step (run, "update_from_36_to_37", 36, 37);
    auto& q = step.db();
    step.exec ("CREATE TABLE `host` ( `id` integer NOT NULL PRIMARY KEY AUTOINCREMENT,`hostname` varchar(256) DEFAULT '',"
               "`address` varchar(256) DEFAULT '',`hash` varchar(256) DEFAULT '',`active` tinyint(1) NOT NULL DEFAULT '1')");
    step.exec ("INSERT INTO host(id,hostname,address,hash,active) VALUES(1,'neznan','0.0.0.0','',0)");

    auto names = q.sqlFetch ("SELECT DISTINCT(vindor) AS ime FROM glavna LEFT JOIN stranka ON stranka.ime=glavna.vindor "
                             "WHERE stranka.id IS NULL");
    if (names != nullptr)
        if (auto* data = names->getChildByName ("DATA"))
            for (auto* row : data->getChildIterator())
            {
                const juce::String n = SchemaStep::escaped (row->getStringAttribute ("ime"));
                step.exec ("INSERT INTO stranka(ime,dolgoime,ulica,hisnast,hisnastdod,naselje,postnast,postaime,drzava,telefon,telefon2,"
                           "mobi,faks,email,web,davcna,tipdavka,tipstranke,maticna,kmgmid,gln,active) VALUES ('" + n + "','" + n
                           + "','','','','','','',185,'','','','','','','',0,1,'','','',0)");
            }
    names.reset();
    // An index for the rebuild's look-up of each entry's party by name; dropped before the step ends.
    step.execTolerated ("CREATE INDEX upgrade_stranka_lookup ON stranka(ime)");

    step.rebuildMovingAside ("glavna",
                             "CREATE TABLE `glavna` (`id` integer NOT NULL PRIMARY KEY AUTOINCREMENT,`opravilo` integer NOT NULL,"
                             "`datum` datetime NOT NULL,`dt` datetime NOT NULL,`opomba` text,`stranka` integer NOT NULL DEFAULT '1',"
                             "`host` integer NOT NULL DEFAULT '1',"
                             "CONSTRAINT `glavna_ibfk_1` FOREIGN KEY (`opravilo`) REFERENCES `opravilo` (`id`) ON UPDATE CASCADE,"
                             "CONSTRAINT `glavna_ibfk_2` FOREIGN KEY (`stranka`) REFERENCES `stranka` (`id`) ON UPDATE CASCADE,"
                             "CONSTRAINT `glavna_ibfk_3` FOREIGN KEY (`host`) REFERENCES `host` (`id`) ON UPDATE CASCADE)",
                             "INSERT INTO glavna(id,opravilo,datum,dt,opomba,stranka,host) SELECT t.id,t.opravilo,t.datum,t.datum,t.opomba,"
                             "IFNULL((SELECT MIN(id) FROM stranka WHERE ime=t.vindor),1),1 FROM glavnatmp AS t ");
    step.execTolerated ("DROP INDEX IF EXISTS upgrade_stranka_lookup");

    const std::pair<int, const char*> invoiceDates[] = {
        { 14, "datumopravila" }, { 22, "datumopravila" }, { 15, "datum" }, { 17, "datum" },
        { 33, "datum" },         { 21, "datumprejeto" },  { 32, "datumprejeto" },
    };
    for (auto& d : invoiceDates)
        step.exec ("UPDATE glavna SET datum=(SELECT r." + juce::String (d.second) + " FROM racun AS r WHERE r.glavna=glavna.id) WHERE opravilo="
                   + juce::String (d.first));
    step.finish();
}
} // namespace vindoro
