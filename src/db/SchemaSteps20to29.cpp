// Schema steps 20 to 29 of SchemaSteps.
#include "db/SchemaSteps.h"

#include "db/SQLtoXml.h"
#include "db/SchemaStep.h"

#include <vector>

namespace vindoro
{
namespace
{
// White space as the program trims it, for the SQL that must agree with the program's trim.
const char* const kBlanks = "char(32,9,10,13)";

juce::String sqlTrim (const juce::String& column)
{
    return "TRIM(" + column + "," + kBlanks + ")";
}
} // namespace

void SchemaSteps::update_from_20_to_21 (UpgradeRun& run)
{
    SchemaStep step (run, "update_from_20_to_21", 20, 21);
    // Most databases have the table since step 14 to 15; its failure here is the normal case.
    step.execTolerated (createZakljucek);
    step.finish();
}

void SchemaSteps::update_from_21_to_22 (UpgradeRun& run)
{
    SchemaStep step (run, "update_from_21_to_22", 21, 22);
    step.exec ("UPDATE drzava SET eu=1 WHERE id=185");
    step.exec ("UPDATE drzava SET eu=1 WHERE id=92");
    step.exec ("UPDATE drzava SET ime='MAKEDONIJA' WHERE id=133");
    step.exec (juce::String::fromUTF8 ("UPDATE drzava SET ime='\xc4\x8c" "E\xc5\xa0KA' WHERE id=53"));
    step.exec ("UPDATE drzava SET ime='ZDA' WHERE id=215");
    step.exec ("UPDATE drzava SET ime='VELIKA BRITANIJA' WHERE id=74");
    step.finish();
}

void SchemaSteps::update_from_22_to_23 (UpgradeRun& run)
{
    SchemaStep step (run, "update_from_22_to_23", 22, 23);
    step.exec ("ALTER TABLE racun ADD COLUMN `metoda` integer DEFAULT '1'");
    step.exec ("UPDATE racun SET metoda=0");
    step.finish();
}

void SchemaSteps::update_from_23_to_24 (UpgradeRun& run)
{
    SchemaStep step (run, "update_from_23_to_24", 23, 24);
    step.exec ("UPDATE nacinplacila SET furs=1 WHERE id=1");
    step.finish();
}

void SchemaSteps::update_from_24_to_25 (UpgradeRun& run)
{
    SchemaStep step (run, "update_from_24_to_25", 24, 25);
    step.exec ("UPDATE racun SET narocilnica=dobavnica WHERE tip>9");
    step.exec ("UPDATE racun SET dobavnica=NULL WHERE tip>9");
    step.finish();
}

void SchemaSteps::update_from_25_to_26 (UpgradeRun& run)
{
    SchemaStep step (run, "update_from_25_to_26", 25, 26);
    step.exec ("INSERT INTO opravilo(id,ime,tabela,active) VALUES(34,'Tipizacija','tipizacija',1)");
    step.exec ("INSERT INTO opravilo(id,ime,tabela,active) VALUES(35,'Opomin','opomin',1)");
    step.exec ("CREATE TABLE `opomin` (`id` integer NOT NULL PRIMARY KEY AUTOINCREMENT, `glavna` integer NOT NULL DEFAULT '1', "
               "`oznaka` text, `stroski` double DEFAULT NULL, `datum` datetime DEFAULT NULL, `rok` datetime DEFAULT NULL, "
               "`opomba1` text, `opomba2` text, "
               "CONSTRAINT `opomin_ibfk_1` FOREIGN KEY (`glavna`) REFERENCES `glavna` (`id`) ON UPDATE CASCADE)");
    step.exec ("CREATE TABLE `opominpostavke` (`id` integer NOT NULL PRIMARY KEY AUTOINCREMENT, `opomin` integer NOT NULL DEFAULT '1', "
               "`racun` integer NOT NULL DEFAULT '1', `znesek` double DEFAULT NULL, `placano` double DEFAULT NULL, "
               "CONSTRAINT `opominpostavke_ibfk_1` FOREIGN KEY (`opomin`) REFERENCES `opomin` (`id`) ON UPDATE CASCADE, "
               "CONSTRAINT `opominpostavke_ibfk_2` FOREIGN KEY (`racun`) REFERENCES `racun` (`id`) ON UPDATE CASCADE)");
    step.exec ("CREATE TABLE `tipizacija` (`id` integer NOT NULL PRIMARY KEY AUTOINCREMENT, `glavna` integer NOT NULL DEFAULT '1', "
               "`sorta` integer NOT NULL DEFAULT '1', `letnik` integer DEFAULT NULL, `posoda` integer DEFAULT NULL, "
               "CONSTRAINT `tipizacija_ibfk_1` FOREIGN KEY (`glavna`) REFERENCES `glavna` (`id`) ON UPDATE CASCADE, "
               "CONSTRAINT `tipizacija_ibfk_2` FOREIGN KEY (`sorta`) REFERENCES `sorta` (`id`) ON UPDATE CASCADE)");
    step.exec ("INSERT INTO tipizacija(glavna,sorta,letnik,posoda) VALUES(0,1,0,0)");
    step.exec ("INSERT INTO tipizacija(glavna,sorta,letnik,posoda) SELECT MAX(pretok.id),posoda.tipizacija,"
               "(SELECT MIN(vino.letnik) FROM zaloga LEFT JOIN vino ON vino.id=zaloga.vino WHERE zaloga.volumen>0 AND zaloga.posoda=posoda.id),"
               "posoda.id FROM pretok LEFT JOIN posoda ON posoda.id=pretok.posoda WHERE smer=1 AND posoda.tipizacija>1 GROUP BY pretok.posoda");

    step.exec ("PRAGMA foreign_keys=OFF");
    const juce::String create = step.storedCreateText ("posoda").replace ("sorta", "tipizacija");
    step.log ("po spreminjanju:" + create);
    step.rebuildMovingAside ("posoda", create,
                             "INSERT INTO posoda(id,klet,volumen,pozx,pozy,pozz,oznaka,tipizacija,cena,ddv,tip,active) "
                             "SELECT p.id,p.klet,p.volumen,p.pozx,p.pozy,p.pozz,p.oznaka,(SELECT tipizacija.id FROM tipizacija "
                             "WHERE tipizacija.sorta=p.tipizacija AND tipizacija.posoda=p.id),p.cena,p.ddv,p.tip,p.active FROM posodatmp AS p",
                             [&step]
                             {
                                 step.exec ("UPDATE artikel SET link2=IFNULL((SELECT posoda.tipizacija FROM posoda LEFT JOIN posodatmp "
                                            "ON posodatmp.id=posoda.id WHERE posoda.id=artikel.link),0) WHERE artikel.tip=4");
                             });
    step.exec ("CREATE TABLE `prenosposode` (`id` integer NOT NULL PRIMARY KEY AUTOINCREMENT, `glavna` integer NOT NULL DEFAULT '1', "
               "`posoda` integer DEFAULT NULL, `klet` integer DEFAULT NULL, `smer` integer DEFAULT NULL, `oznaka` text, "
               "`volumen` double DEFAULT NULL, `cena` double DEFAULT NULL, `tip` integer DEFAULT NULL, "
               "CONSTRAINT `prenosposode_ibfk_1` FOREIGN KEY (`glavna`) REFERENCES `glavna` (`id`) ON UPDATE CASCADE, "
               "CONSTRAINT `prenosposode_ibfk_2` FOREIGN KEY (`posoda`) REFERENCES `posoda` (`id`) ON UPDATE CASCADE, "
               "CONSTRAINT `prenosposode_ibfk_3` FOREIGN KEY (`klet`) REFERENCES `klet` (`id`) ON UPDATE CASCADE)");
    step.finish();
}

void SchemaSteps::update_from_26_to_27 (UpgradeRun& run)
{
    SchemaStep step (run, "update_from_26_to_27", 26, 27);
    step.exec ("UPDATE stranka SET tipdavka=0 WHERE tipdavka!=0 AND tipdavka!=1 AND length(davcna)<1");
    step.exec ("UPDATE stranka SET tipdavka=1 WHERE tipdavka!=0 AND tipdavka!=1 AND length(davcna)>0");
    step.exec ("UPDATE stranka SET tipdavka=0 WHERE tipdavka=1 AND length(davcna)<1");

    step.exec ("CREATE TABLE `kosovnica` (`id` integer NOT NULL PRIMARY KEY AUTOINCREMENT, `glavna` integer NOT NULL DEFAULT '1', "
               "`active` integer NOT NULL DEFAULT '1', "
               "CONSTRAINT `kosovnica_ibfk_1` FOREIGN KEY (`glavna`) REFERENCES `glavna` (`id`) ON UPDATE CASCADE)");
    step.exec ("INSERT INTO kosovnica(id,glavna,active) VALUES(1,1,0)");
    step.exec ("CREATE TABLE `pkosovnica` (`id` integer NOT NULL PRIMARY KEY AUTOINCREMENT, `kosovnica` integer NOT NULL DEFAULT '1', "
               "`artikel` integer NOT NULL DEFAULT '1', `stevilo` double NOT NULL, "
               "CONSTRAINT `pkosovnica_ibfk_1` FOREIGN KEY (`kosovnica`) REFERENCES `kosovnica` (`id`) ON UPDATE CASCADE, "
               "CONSTRAINT `pkosovnica_ibfk_2` FOREIGN KEY (`artikel`) REFERENCES `artikel` (`id`) ON UPDATE CASCADE)");
    step.exec ("ALTER TABLE hramba ADD COLUMN `kosovnica` integer DEFAULT '0'");
    step.exec ("UPDATE hramba SET kosovnica=0");
    step.exec ("INSERT INTO opravilo(id,ime,tabela,active) VALUES(36,'Kosovnica','kosovnica',1)");

    // An index for this step's own look-ups of storage entries by warehouse and article, which
    // would otherwise scan the table once per movement and item; dropped before the step ends.
    step.execTolerated ("CREATE INDEX upgrade_hramba_lookup ON hramba(skladisce,artikel)");
    // A storage entry for every warehouse and article a movement names. A unique index would not
    // build over pairs that already repeat, and the OR IGNORE behind it would then add copies.
    step.exec ("INSERT INTO hramba(skladisce,artikel,stevilo,active) SELECT DISTINCT p.skladisce,p.artikel,0,0 FROM prenos AS p "
               "WHERE NOT EXISTS (SELECT 1 FROM hramba AS h WHERE h.skladisce=p.skladisce AND h.artikel=p.artikel)");
    step.rebuildMovingAside ("prenos",
                             "CREATE TABLE `prenos` ( `id` integer NOT NULL PRIMARY KEY AUTOINCREMENT, `glavna` integer DEFAULT NULL, "
                             "`hramba` integer NOT NULL, `smer` integer NOT NULL, `kolicina` double NOT NULL, "
                             "CONSTRAINT `prenos_ibfk_1` FOREIGN KEY (`glavna`) REFERENCES `glavna` (`id`), "
                             "CONSTRAINT `prenos_ibfk_2` FOREIGN KEY (`hramba`) REFERENCES `hramba` (`id`))",
                             "INSERT INTO prenos(id,glavna,hramba,smer,kolicina) SELECT p.id,p.glavna,(SELECT hramba.id FROM hramba "
                             "WHERE hramba.skladisce=p.skladisce AND hramba.artikel=p.artikel),p.smer,p.kolicina FROM prenostmp AS p");

    step.exec ("UPDATE postavka SET skladisce=1 WHERE skladisce=0 AND tip IN (2,3)");
    step.exec ("INSERT INTO hramba(skladisce,artikel,stevilo,active) SELECT DISTINCT p.skladisce,p.artikel,0,0 FROM postavka AS p "
               "WHERE p.tip IN (2,3) AND NOT EXISTS (SELECT 1 FROM hramba AS h WHERE h.skladisce=p.skladisce AND h.artikel=p.artikel)");
    step.rebuildMovingAside ("postavka",
                             "CREATE TABLE `postavka` (`id` integer NOT NULL PRIMARY KEY AUTOINCREMENT, `racun` integer NOT NULL, "
                             "`tip` integer DEFAULT '1', `artikel` integer NOT NULL, `link` integer, `ident` tinytext, `opis` text, "
                             "`kolicina` double DEFAULT NULL, `enota` varchar(10) DEFAULT NULL, `cena` double DEFAULT NULL, "
                             "`popust` double DEFAULT NULL, `ddv` integer DEFAULT NULL, "
                             "CONSTRAINT `postavka_ibfk_1` FOREIGN KEY (`racun`) REFERENCES `racun` (`id`) ON UPDATE CASCADE, "
                             "CONSTRAINT `postavka_ibfk_2` FOREIGN KEY (`artikel`) REFERENCES `artikel` (`id`) ON UPDATE CASCADE, "
                             "CONSTRAINT `postavka_ibfk_3` FOREIGN KEY (`ddv`) REFERENCES `ddv` (`id`) ON UPDATE CASCADE)",
                             "INSERT INTO postavka(id,racun,tip,artikel,link,ident,opis,kolicina,enota,cena,popust,ddv) SELECT p.id,p.racun,"
                             "p.tip,p.artikel,CASE WHEN p.tip IN (2,3) THEN (SELECT hramba.id FROM hramba WHERE hramba.skladisce=p.skladisce "
                             "AND hramba.artikel=p.artikel) ELSE p.skladisce END,p.ident,p.opis,p.kolicina,p.enota,p.cena,p.popust,p.ddv "
                             "FROM postavkatmp AS p");
    step.execTolerated ("DROP INDEX IF EXISTS upgrade_hramba_lookup");
    step.finish();
}

void SchemaSteps::update_from_27_to_28 (UpgradeRun& run)
{
    SchemaStep step (run, "update_from_27_to_28", 27, 28);
    step.exec ("INSERT INTO ddv(stopnja,opis,tip,active) VALUES(0,'Oprostitve',7,1)");
    step.finish();
}

void SchemaSteps::update_from_28_to_29 (UpgradeRun& run)
{
    SchemaStep step (run, "update_from_28_to_29", 28, 29);
    auto& q = step.db();
    step.exec ("CREATE TABLE `banka` (`id` integer NOT NULL PRIMARY KEY AUTOINCREMENT, `stranka` integer NOT NULL DEFAULT '1', "
               "`swift` varchar(64) NOT NULL, `active` integer NOT NULL DEFAULT '1', "
               "CONSTRAINT `banka_ibfk_1` FOREIGN KEY (`stranka`) REFERENCES `stranka` (`id`) ON UPDATE CASCADE)");
    step.exec ("INSERT INTO banka(id,stranka,swift,active) VALUES(1,1,'12345678',0)");
    step.exec ("CREATE TABLE `iban` (`id` integer NOT NULL PRIMARY KEY AUTOINCREMENT, `stranka` integer NOT NULL DEFAULT '1', "
               "`banka` integer NOT NULL DEFAULT '1', `iban` varchar(64) NOT NULL, `active` integer NOT NULL DEFAULT '1', "
               "CONSTRAINT `iban_ibfk_1` FOREIGN KEY (`stranka`) REFERENCES `stranka` (`id`) ON UPDATE CASCADE, "
               "CONSTRAINT `iban_ibfk_2` FOREIGN KEY (`banka`) REFERENCES `banka` (`id`) ON UPDATE CASCADE)");
    step.exec ("INSERT INTO iban(id,stranka,banka,iban,active) VALUES(1,1,1,'12345678',0)");
    // An index for this step's own look-ups of a party's accounts; dropped before the step ends.
    step.execTolerated ("CREATE INDEX upgrade_iban_lookup ON iban(stranka)");
    // The codes are trimmed here as the accounts below trim them, or a code stored with blanks
    // around it would find no bank.
    step.exec ("INSERT INTO banka(stranka,swift,active) SELECT 1," + sqlTrim ("swift") + ",1 FROM stranka WHERE swift IS NOT NULL AND LENGTH("
               + sqlTrim ("swift") + ")>0 GROUP BY " + sqlTrim ("swift"));

    juce::StringArray statements;
    q.sqlQuery ("SELECT id,allIBAN,swift,IBAN FROM stranka WHERE (allIBAN IS NOT NULL and LENGTH(allIBAN)>0) OR (IBAN IS NOT NULL AND  LENGTH(IBAN)>0)");
    if (auto* data = q.getData())
        for (auto* row : data->getChildIterator())
        {
            const juce::String party (row->getStringAttribute ("id").getIntValue());
            juce::StringArray accounts;
            for (auto& piece : juce::StringArray::fromTokens (row->getStringAttribute ("allIBAN").trim(), "*", {}))
                if (piece.trim().isNotEmpty())
                    accounts.add (piece.trim());
            const juce::String main = row->getStringAttribute ("IBAN").trim();
            if (main.isNotEmpty())
                accounts.add (main);
            juce::String bic = row->getStringAttribute ("swift").trim();
            if (bic.isEmpty())
                bic = "12345678";
            for (auto& a : accounts)
                statements.add ("INSERT OR IGNORE INTO iban(id,stranka,banka,iban,active) VALUES((SELECT id FROM iban WHERE iban='"
                                + SchemaStep::escaped (a) + "' AND stranka=" + party + ")," + party + ",COALESCE((SELECT id FROM banka WHERE swift='"
                                + SchemaStep::escaped (bic) + "'),1),'" + SchemaStep::escaped (a) + "',1)");
        }
    for (auto& sql : statements)
        step.exec (sql);

    // The main account is looked up among the party's own accounts only: another party may hold
    // an account with the same text.
    const juce::String iban = sqlTrim ("s.IBAN"), swift = sqlTrim ("s.swift");
    step.rebuildMovingAside ("stranka",
                             "CREATE TABLE `stranka` (`id` integer NOT NULL PRIMARY KEY AUTOINCREMENT, `ime` varchar(100) NOT NULL, "
                             "`dolgoime` text, `ulica` varchar(128) DEFAULT NULL, `hisnast` varchar(32) DEFAULT NULL, "
                             "`hisnastdod` varchar(8) DEFAULT NULL, `naselje` varchar(128) DEFAULT NULL, `postnast` varchar(128) DEFAULT NULL, "
                             "`postaime` varchar(128) DEFAULT NULL, `drzava` integer NOT NULL, `telefon` varchar(20) DEFAULT NULL, "
                             "`telefon2` varchar(20) DEFAULT NULL, `mobi` varchar(30) DEFAULT NULL, `faks` varchar(20) DEFAULT NULL, "
                             "`email` varchar(256) DEFAULT NULL, `web` varchar(256) DEFAULT NULL, `rokplacila` integer DEFAULT '0', "
                             "`popust` double DEFAULT '0', `davcna` varchar(20) DEFAULT NULL, `tipdavka` integer DEFAULT NULL, "
                             "`tipstranke` integer DEFAULT NULL, `maticna` varchar(20) DEFAULT NULL, `iban` INTEGER DEFAULT 1, "
                             "`kmgmid` varchar(64) DEFAULT NULL, `gln` varchar(64) DEFAULT NULL, `active` integer NOT NULL DEFAULT '1', "
                             "CONSTRAINT `stranka_ibfk_1` FOREIGN KEY (`drzava`) REFERENCES `drzava` (`id`) ON UPDATE CASCADE, "
                             "CONSTRAINT `stranka_ibfk_2` FOREIGN KEY (`iban`) REFERENCES `iban` (`id`) ON UPDATE CASCADE)",
                             "INSERT INTO stranka(id,ime,dolgoime,ulica,hisnast,hisnastdod,naselje,postnast,postaime,drzava,telefon,telefon2,"
                             "mobi,faks,email,web,rokplacila,popust,davcna,tipdavka,tipstranke,maticna,iban,kmgmid,gln,active) SELECT s.id,"
                             "s.ime,s.dolgoime,s.ulica,s.hisnast,s.hisnastdod,s.naselje,s.postnast,s.postaime,s.drzava,s.telefon,s.telefon2,"
                             "s.mobi,s.faks,s.email,s.web,s.rokplacila,s.popust,s.davcna,s.tipdavka,s.tipstranke,s.maticna,"
                             "COALESCE(CASE WHEN s.IBAN IS NULL OR LENGTH(" + iban + ")<1 THEN 1 WHEN s.swift IS NOT NULL AND LENGTH(" + swift
                             + ")>0 THEN (SELECT iban.id FROM iban LEFT JOIN banka ON iban.banka=banka.id WHERE banka.swift=" + swift
                             + " AND iban.iban=" + iban + " AND iban.stranka=s.id) ELSE (SELECT iban.id FROM iban WHERE iban.iban=" + iban
                             + " AND iban.stranka=s.id) END,1),s.kmgmid,s.gln,s.active FROM strankatmp AS s");

    step.execTolerated ("DROP INDEX IF EXISTS upgrade_iban_lookup");
    step.exec ("CREATE TABLE `bizpisek` (`id` integer NOT NULL PRIMARY KEY AUTOINCREMENT, `oznaka` text, `datum` datetime DEFAULT NULL, "
               "`datumuvoza` datetime DEFAULT NULL, `iban` integer DEFAULT 1, "
               "CONSTRAINT `bizpisek_ibfk_1` FOREIGN KEY (`iban`) REFERENCES `iban` (`id`) ON UPDATE CASCADE)");
    step.exec ("INSERT INTO bizpisek(id,oznaka,datum,datumuvoza,iban) VALUES(1,'','2016-01-01 12:00:00','2016-01-01 12:00:00',1)");
    step.exec ("CREATE TABLE `transakcija` (`id` integer NOT NULL PRIMARY KEY AUTOINCREMENT, `bizpisek` integer NOT NULL DEFAULT '1', "
               "`racun` integer NOT NULL DEFAULT '1', `oznaka` varchar(64), `dobro` double NOT NULL DEFAULT '0', "
               "`breme` double NOT NULL DEFAULT '0', "
               "CONSTRAINT `transakcija_ibfk_1` FOREIGN KEY (`bizpisek`) REFERENCES `bizpisek` (`id`) ON UPDATE CASCADE, "
               "CONSTRAINT `transakcija_ibfk_2` FOREIGN KEY (`racun`) REFERENCES `racun` (`id`) ON UPDATE CASCADE)");
    step.finish();
}
} // namespace vindoro
