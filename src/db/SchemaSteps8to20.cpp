// Schema steps 8 to 20 of SchemaSteps.
#include "db/SchemaSteps.h"

#include "core/Globals.h"
#include "db/SQLtoXml.h"
#include "db/SchemaStep.h"

namespace vindoro
{
namespace
{
juce::String u8 (const char* text)
{
    return juce::String::fromUTF8 (text);
}

juce::String userSetting (const char* key)
{
    if (auto* settings = getUserSettings())
        return settings->getValue (key, {});
    return {};
}

/** The lines of a text file: a line ends at a line feed, a carriage return or both; a break at
    the very end opens no further line. */
juce::StringArray splitLines (const juce::String& text)
{
    juce::StringArray lines;
    auto p = text.getCharPointer();
    juce::String current;
    bool pending = false;
    while (! p.isEmpty())
    {
        const auto c = p.getAndAdvance();
        if (c == '\r' || c == '\n')
        {
            lines.add (current);
            current.clear();
            pending = false;
            if (c == '\r' && *p == '\n')
                ++p;
        }
        else
        {
            current += juce::String::charToString (c);
            pending = true;
        }
    }
    if (pending)
        lines.add (current);
    return lines;
}
} // namespace

void SchemaSteps::update_from_8_to_9 (UpgradeRun& run)
{
    SchemaStep step (run, "update_from_8_to_9", 8, 9);
    step.exec (u8 ("INSERT INTO `tip` VALUES (101,'Splo\xc5\xa1ni stro\xc5\xa1ki',1)"));
    step.exec (u8 ("INSERT INTO `tip` VALUES (102,'Stro\xc5\xa1ki storitev',1)"));
    step.exec (u8 ("INSERT INTO `tip` VALUES (103,'Potro\xc5\xa1ni material za dejavnost',1)"));
    step.exec (u8 ("INSERT INTO `tip` VALUES (104,'Drobni inventar',1)"));
    step.exec (u8 ("INSERT INTO `tip` VALUES (105,'Stro\xc5\xa1ki gospodinjstva',1)"));
    step.exec (u8 ("INSERT INTO `tip` VALUES (106,'Stro\xc5\xa1ki zavarovanja',1)"));
    step.finish();
}

void SchemaSteps::update_from_9_to_10 (UpgradeRun& run)
{
    SchemaStep step (run, "update_from_9_to_10", 9, 10);
    step.exec ("INSERT INTO `tip` VALUES (6,'Prosto',1)");
    step.exec ("INSERT INTO `tip` VALUES (107,'Oprema',1)");
    step.exec ("ALTER TABLE postavka ADD COLUMN `tip` integer DEFAULT '1'");
    step.exec ("UPDATE `postavka` SET tip=(SELECT a.tip FROM postavka AS p LEFT JOIN artikel AS a ON p.artikel=a.id WHERE p.id=postavka.id)");
    step.exec ("UPDATE `ddv` SET stopnja=8.0 WHERE id=4");
    step.finish();
}

void SchemaSteps::update_from_10_to_11 (UpgradeRun& run)
{
    SchemaStep step (run, "update_from_10_to_11", 10, 11);
    auto& q = step.db();
    step.exec ("INSERT INTO `nacinplacila` VALUES (7,'Kompenzacija',0,1)");
    step.exec ("ALTER TABLE racun ADD COLUMN `datumprejeto` datetime DEFAULT NULL");
    step.exec ("UPDATE `racun` SET datumprejeto=datumvalute WHERE tip=10");

    juce::StringArray statements;
    q.sqlQuery ("SELECT id,allIBAN FROM stranka");
    if (auto* data = q.getData())
        for (auto* row : data->getChildIterator())
        {
            const juce::String text = row->getStringAttribute ("allIBAN").trim().replace (" ", "*");
            statements.add ("UPDATE stranka SET allIBAN='" + SchemaStep::escaped (text) + "' WHERE id="
                            + juce::String (row->getStringAttribute ("id").getIntValue()));
        }
    for (auto& sql : statements)
        step.exec (sql);

    step.afterCommit ([]
    {
        if (auto* settings = getUserSettings())
            settings->setValue ("ajpes_url", "https://www.ajpes.si/");
    });
    step.finish();
}

void SchemaSteps::update_from_11_to_12 (UpgradeRun& run)
{
    SchemaStep step (run, "update_from_11_to_12", 11, 12);
    auto& q = step.db();
    step.exec ("INSERT INTO `opravilo` VALUES (32,'Bremepis','racun',1)");
    step.exec ("UPDATE opravilo SET tabela='racun',active=1 WHERE id=22");
    step.exec ("UPDATE opravilo SET tabela='racun',active=1 WHERE id=21");
    step.exec ("UPDATE opravilo SET active=1 WHERE id=23");
    step.exec ("UPDATE hramba SET active=1");

    for (int n = q.sqlQueryOneValue ("SELECT MAX(id) FROM ddv_klavzule", true).getIntValue(); n > 3; --n)
        step.exec ("UPDATE ddv_klavzule SET id=" + juce::String (n + 1) + " WHERE id=" + juce::String (n));
    step.exec ("INSERT INTO `ddv_klavzule` VALUES (4,'DDV smo popravili dne',1)");
    step.finish();
}

void SchemaSteps::update_from_12_to_13 (UpgradeRun& run)
{
    SchemaStep step (run, "update_from_12_to_13", 12, 13);
    step.exec ("UPDATE artikel SET active=0 WHERE tip=4");
    step.exec ("ALTER TABLE racun ADD COLUMN `narocilnica` varchar(256)");
    step.exec ("UPDATE `racun` SET narocilnica=''");
    step.exec ("UPDATE nacinplacila SET active=1 WHERE id=6");
    step.exec ("ALTER TABLE stranka ADD COLUMN `dolgoime` text");
    step.exec ("UPDATE stranka SET dolgoime=ime");
    step.finish();
}

void SchemaSteps::update_from_13_to_14 (UpgradeRun& run)
{
    SchemaStep step (run, "update_from_13_to_14", 13, 14);
    // Each factor is copied inside the database: read as text it would keep only six digits,
    // and a unit below without a factor must not leave the old factor in place.
    for (int i = 36; i >= 2; --i)
        step.exec ("UPDATE enota SET SI=(SELECT SI FROM enota WHERE id=" + juce::String (i - 1) + ") WHERE id=" + juce::String (i));
    step.exec ("UPDATE enota SET SI=0.001 WHERE id=1");
    step.exec ("INSERT INTO `racunstatus`(id,ime,active) VALUES (26,'storno',1)");
    step.exec ("UPDATE zaloga SET volumen=ROUND(volumen,2)");
    step.finish();
}

void SchemaSteps::update_from_14_to_15 (UpgradeRun& run)
{
    SchemaStep step (run, "update_from_14_to_15", 14, 15);
    step.exec ("UPDATE `ddv_klavzule` SET besedilo='DDV smo popravili dne _____________________' WHERE id=4");
    step.exec (createZakljucek);
    step.exec ("INSERT INTO opravilo(id,ime,tabela,active) VALUES(33,'Terjatev/Obveznost','racun',1)");
    step.finish();
}

void SchemaSteps::update_from_15_to_16 (UpgradeRun& run)
{
    SchemaStep step (run, "update_from_15_to_16", 15, 16);
    const std::pair<const char*, const char*> dates[] = {
        { "glavna", "datum" },       { "racun", "datum" },      { "racun", "datumopravila" },
        { "racun", "datumvalute" },  { "racun", "datumprejeto" }, { "racun", "datumplacila" },
        { "artikel", "datumkreiranja" }, { "fubprem", "veljava" }, { "fumessage", "datetime" },
        { "fumessage", "datetime_r" }, { "serija", "datum" },
    };
    for (auto& d : dates)
        convertDateColumn (step, d.first, d.second);

    step.exec ("ALTER TABLE racun ADD COLUMN `oznaka` varchar(256) DEFAULT NULL");
    step.exec ("UPDATE racun SET oznaka=(SELECT pp.oznakapp || '-' || b.oznaka || '-' || r.zaporedna FROM racun AS r "
               "LEFT JOIN fubprem AS pp ON pp.id=r.fubprem LEFT JOIN blagajna AS b ON b.id=r.blagajna WHERE r.id=racun.id)");
    step.exec ("ALTER TABLE artikel ADD COLUMN `link2` integer NOT NULL DEFAULT '0'");
    step.exec ("UPDATE artikel SET link2=IFNULL((SELECT posoda.tipizacija FROM posoda WHERE posoda.id=artikel.link),0) WHERE artikel.tip=4");
    step.exec ("ALTER TABLE sorta ADD COLUMN `tip` integer");
    // Colours may carry an alpha byte above the 24 colour bits: only the colour decides.
    step.exec ("UPDATE sorta SET tip=(SELECT CASE WHEN (barva&0xFFFFFF)=0xCC0000 THEN 0 WHEN (barva&0xFFFFFF)=0xFFFF33 THEN 1 "
               "WHEN ((barva&0xFFFFFF)>>16)=0 THEN 1 ELSE 0 END)");
    step.exec ("UPDATE drzava SET eu=1 WHERE id=185");
    step.exec ("UPDATE drzava SET eu=1 WHERE id=92");
    step.exec ("UPDATE drzava SET ime='MAKEDONIJA' WHERE id=133");
    step.exec (u8 ("UPDATE drzava SET ime='\xc4\x8c" "E\xc5\xa0KA' WHERE id=53"));
    step.finish();
}

void SchemaSteps::update_from_16_to_17 (UpgradeRun& run)
{
    SchemaStep step (run, "update_from_16_to_17", 16, 17);
    step.exec ("CREATE TABLE `posta` (`id` integer NOT NULL PRIMARY KEY AUTOINCREMENT, `stevilka` varchar(64) NOT NULL, `ime` text, "
               "`drzava` integer NOT NULL, `active` integer NOT NULL DEFAULT '1', "
               "CONSTRAINT `posta_ibfk_1` FOREIGN KEY (`drzava`) REFERENCES `drzava` (`id`) ON UPDATE CASCADE)");

    // The folder is joined by the file system's own rules: the stored separator setting is the
    // Windows one and would name no file here.
    const juce::String folder = userSetting ("resourcespath");
    const juce::File file = folder.isNotEmpty() && juce::File::isAbsolutePath (folder)
                                ? juce::File (folder).getChildFile ("update17.dat") : juce::File();
    if (file != juce::File() && file.existsAsFile())
    {
        juce::MemoryBlock bytes;
        if (file.loadFileAsData (bytes))
        {
            for (auto& raw : splitLines (juce::String::fromUTF8 (static_cast<const char*> (bytes.getData()), (int) bytes.getSize())))
            {
                const juce::String line = raw.trim();
                step.log ("readed:" + line);
                if (line.isNotEmpty() && ! step.exec (line))
                {
                    step.log ("ERROR: something went wrong");
                    break;
                }
            }
        }
    }
    step.finish();
}

void SchemaSteps::update_from_17_to_18 (UpgradeRun& run)
{
    SchemaStep step (run, "update_from_17_to_18", 17, 18);
    step.exec ("ALTER TABLE analiza ADD COLUMN `odlocba` text DEFAULT NULL");
    step.exec ("ALTER TABLE analiza ADD COLUMN `datumodlocba` text DEFAULT NULL");
    step.exec ("ALTER TABLE stranka ADD COLUMN `kmgmid` varchar(64) DEFAULT NULL");
    step.exec ("ALTER TABLE parcela ADD COLUMN `gerkpid` text DEFAULT NULL");
    step.finish();
}

void SchemaSteps::update_from_18_to_19 (UpgradeRun& run)
{
    SchemaStep step (run, "update_from_18_to_19", 18, 19);
    step.exec ("INSERT INTO ddv(stopnja,opis,tip,active) VALUES(0,'Ni DDV zavezanec',6,1)");
    step.finish();
}

void SchemaSteps::update_from_19_to_20 (UpgradeRun& run)
{
    SchemaStep step (run, "update_from_19_to_20", 19, 20);
    step.exec ("ALTER TABLE fubprem ADD COLUMN `active` integer NOT NULL DEFAULT '1'");
    step.exec ("UPDATE fubprem SET active=1");
    step.exec ("ALTER TABLE stranka ADD COLUMN `gln` varchar(64) DEFAULT NULL");
    step.finish();
}
} // namespace vindoro
