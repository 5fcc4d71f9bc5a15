#include "operations/SredstvoRecord.h"
#include "core/Log.h"
#include "db/SQLtoXml.h"

bool operator== (const SredstvoRecord& a, const SredstvoRecord& b)
{
    return a.id == b.id && a.oznaka.compare (b.oznaka) == 0 && a.opis.compare (b.opis) == 0 && a.tip == b.tip
           && a.active == b.active;
}

juce::String getSredstvoText (SredstvoRecord agent)
{
    if (agent.id <= 0)
        return {};
    if (agent.opis.isEmpty())
        return agent.oznaka;
    // juce::String counts characters, not bytes, so a letter such as "č" counts once.
    if (agent.opis.length() < 14)
        return agent.oznaka + "(" + agent.opis + ")";
    return agent.oznaka + "(" + agent.opis.substring (0, 10) + "...)";
}

juce::String sredstvoSelectSql (int kindMask)
{
    return "SELECT s.id AS id,s.oznaka AS oznaka,s.opis AS opis,s.tip AS tip,s.active AS active FROM sredstvo AS s"
           " WHERE s.active=1 AND s.tip & "
           + juce::String (kindMask);
}

SredstvoRecord interpretSredstvoXml (const juce::XmlElement* row)
{
    SredstvoRecord agent;
    if (row == nullptr)
        return agent;
    agent.id = row->getIntAttribute ("id", 0);
    agent.oznaka = row->getStringAttribute ("oznaka");
    agent.opis = row->getStringAttribute ("opis");
    agent.tip = row->getIntAttribute ("tip", 0);
    agent.active = row->getBoolAttribute ("active", false);
    vindoro::vlog ("PregledBazeSredstvo::interpretXml", "id:" + juce::String (agent.id) + " oznaka:" + agent.oznaka);
    return agent;
}

juce::String checkSredstvoLabel (const juce::String& label)
{
    // Blanks alone would store an agent that no list can show by name.
    if (label.trim().isEmpty())
        return TRANS ("sredstvo_oznaka_nipodana");
    return {};
}

std::optional<SredstvoRecord> insertSredstvo (const juce::String& label, const juce::String& description, int tip,
                                              juce::String& error)
{
    error = checkSredstvoLabel (label);
    if (error.isNotEmpty())
        return std::nullopt;
    SredstvoRecord agent;
    agent.oznaka = label.trim();
    agent.opis = description.trim();
    agent.tip = tip;
    agent.active = true;
    SQLtoXml db;
    const auto newId = db.sqlInsert ("INSERT INTO sredstvo(oznaka,opis,tip,active) VALUES('" + SQLtoXml::sqlEscapeQuotes (agent.oznaka)
                                     + "','" + SQLtoXml::sqlEscapeQuotes (agent.opis) + "','" + juce::String (tip) + "','1');");
    if (newId <= 0)
    {
        error = TRANS ("sredstvo_napakainsert");
        return std::nullopt;
    }
    agent.id = (int) newId;
    return agent;
}

bool updateSredstvo (int id, const juce::String& label, const juce::String& description, int tip, juce::String& error)
{
    error = checkSredstvoLabel (label);
    if (error.isNotEmpty())
        return false;
    SQLtoXml db;
    if (! db.sqlQueryNA ("UPDATE sredstvo SET oznaka='" + SQLtoXml::sqlEscapeQuotes (label) + "',opis='"
                         + SQLtoXml::sqlEscapeQuotes (description) + "',tip='" + juce::String (tip) + "',active='1' WHERE id="
                         + juce::String (id)))
    {
        error = TRANS ("sredstvo_napakainsert");
        return false;
    }
    return true;
}
