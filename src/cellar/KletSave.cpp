#include "cellar/KletSave.h"
#include "core/Log.h"
#include "core/TextHelpers.h"
#include "db/SQLtoXml.h"

namespace
{
juce::String nameTaken (const juce::String& name)
{
    return TRANS ("Klet z imenom ") + name + juce::translate (juce::String::fromUTF8 (" že obstaja!"));
}
} // namespace

bool KletSave::addKlet (SQLtoXml& db, const juce::String& typedName, juce::String& error)
{
    const auto name = typedName.trim();
    if (name.isEmpty())
    {
        vindoro::vlog ("KletAdd::save", "empty");
        error = TRANS ("Vnesite ime kleti!");
        return false;
    }
    // Removed cellars keep their names: a new one may not take them.
    if (db.sqlQueryInt ("SELECT id FROM klet WHERE ime = '" + sqlEscape (name) + "'") != 0)
    {
        error = nameTaken (name);
        vindoro::vlog ("KletAdd::save", error);
        return false;
    }
    vindoro::vlog ("KletAdd::save", "Nimamo kleti " + name + ".... dodajam.");
    if (! db.sqlQueryNA ("INSERT INTO klet(ime,active) VALUES('" + sqlEscape (name) + "',1);"))
    {
        error = db.lastError;
        vindoro::vlog ("KletAdd::save", "ERROR: " + db.lastError);
        return false;
    }
    return true;
}

bool KletSave::renameKlet (SQLtoXml& db, int kletId, const juce::String& typedName, juce::String& error)
{
    const auto name = typedName.trim();
    if (name.isEmpty())
    {
        vindoro::vlog ("KletEdit::save", "Empty klet name!");
        error = TRANS ("Vnesite ime kleti!");
        return false;
    }
    const auto other = db.sqlQueryInt ("SELECT id FROM klet WHERE ime = '" + sqlEscape (name) + "' AND id<>"
                                       + juce::String (kletId) + ";");
    if (other >= 1 && other != kletId)
    {
        vindoro::vlog ("KletEdit::save", "klet ze obstaja");
        error = nameTaken (name);
        return false;
    }
    if (! db.sqlQueryNA ("UPDATE klet SET ime='" + sqlEscape (name) + "' WHERE id=" + juce::String (kletId)))
    {
        error = db.lastError;
        vindoro::vlog ("KletEdit::save", "ERROR: " + db.lastError);
        return false;
    }
    return true;
}

juce::String KletSave::kletName (SQLtoXml& db, int kletId)
{
    return db.sqlQueryOneValue ("SELECT ime FROM klet WHERE id=" + juce::String (kletId), true);
}
