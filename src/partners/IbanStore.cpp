#include "partners/IbanStore.h"

#include "core/Log.h"
#include "core/TextHelpers.h"
#include "db/DbTransaction.h"
#include "db/SQLtoXml.h"
#include "partners/PaymentReferences.h"

using vindoro::vlog;

const char* const ibanSelectSql =
    "SELECT  nosilec.ime AS nosilecime,iban.iban AS iban,banka.swift AS swift,iban.id AS id,nosilec.id AS nosilecid,"
    "banka.id AS bankaid FROM iban LEFT JOIN stranka AS nosilec ON nosilec.id=iban.stranka  LEFT JOIN banka ON "
    "banka.id=iban.banka WHERE iban.active=1";

namespace
{
int intOf (const juce::XmlElement& row, const char* name) { return row.getStringAttribute (name).getIntValue(); }

/** The bank of a SWIFT code: an existing row above the default one, else a new row; 1 without a code. */
int bankFor (SQLtoXml& db, const juce::String& swift, bool& failed)
{
    failed = false;
    if (swift.isEmpty())
        return 1;
    const auto found = (int) db.sqlQueryInt ("SELECT id FROM banka WHERE swift='" + sqlEscape (swift) + "'");
    // Row 1 is the placeholder bank: a SWIFT equal to its text still gets a bank of its own.
    if (db.ok && found > 1)
        return found;
    if (! db.sqlQueryNA ("INSERT INTO banka(stranka,swift,active) VALUES(1,'" + sqlEscape (swift) + "','1')"))
    {
        failed = true;
        return -1;
    }
    return (int) db.lastInsertedID();
}
} // namespace

IbanRecord IbanStore::interpretXml (const juce::XmlElement* row)
{
    IbanRecord account;
    if (row == nullptr)
        return account;
    account.id = intOf (*row, "id");
    account.iban = row->getStringAttribute ("iban");
    account.nosilec.id = intOf (*row, "nosilecid");
    account.nosilec.ime = row->getStringAttribute ("nosilecime");
    account.banka.id = intOf (*row, "bankaid");
    account.banka.swift = row->getStringAttribute ("swift");
    account.active = row->getBoolAttribute ("active", false);
    return account;
}

std::unique_ptr<juce::XmlElement> IbanStore::toXml (const IbanRecord& account)
{
    auto row = std::make_unique<juce::XmlElement> ("ITEM");
    row->setAttribute ("id", account.id <= 0 ? juce::String ("auto") : juce::String (account.id));
    row->setAttribute ("iban", account.iban);
    row->setAttribute ("nosilecid", account.nosilec.id);
    row->setAttribute ("nosilecime", account.nosilec.ime);
    row->setAttribute ("bankaid", account.banka.id);
    row->setAttribute ("swift", account.banka.swift);
    row->setAttribute ("active", account.active ? 1 : 0);
    return row;
}

bool IbanStore::isValidSwift (const juce::String& swift)
{
    const auto t = swift.trim();
    if (t.isEmpty())
        return true;
    if (t.length() != 8 && t.length() != 11)
        return false;
    return t.containsOnly ("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
}

bool IbanStore::saveAccount (IbanRecord& account, const juce::String& typedIban, const juce::String& typedSwift,
                             bool insert, juce::String& error)
{
    const auto iban = normaliseIban (typedIban);
    if (iban.isEmpty())
    {
        vlog ("IBANEditor::save", "Empty IBAN!");
        error = TRANS ("IBAN nima vnosa");
        return false;
    }
    const auto swift = typedSwift.trim();
    if (! isValidSwift (swift))
    {
        vlog ("IBANEditor::save", "invalid SWIFT:" + swift);
        error = TRANS ("SWIFT ni veljaven");
        return false;
    }

    auto saved = account;
    saved.iban = iban;
    if (saved.nosilec.id < 1)
        saved.nosilec.id = 1;
    saved.banka.swift = swift;
    const auto failure = TRANS ("Napaka pri spreminjanju IBAN z imenom ") + iban;

    DbTransaction tx;
    SQLtoXml db;
    bool bankFailed = false;
    saved.banka.id = bankFor (db, swift, bankFailed);
    if (bankFailed)
    {
        error = failure;
        return false;
    }

    // An account collected but never stored has no row to rewrite: it is added.
    if (insert || saved.id <= 0)
    {
        if (! db.sqlQueryNA ("INSERT INTO iban(iban,stranka,banka,active) VALUES('" + iban + "','" + juce::String (saved.nosilec.id)
                             + "','" + juce::String (saved.banka.id) + "','1')"))
        {
            error = failure;
            return false;
        }
        saved.id = (int) db.lastInsertedID();
    }
    else if (! db.sqlQueryNA ("UPDATE iban SET active=1,iban='" + iban + "',stranka=" + juce::String (saved.nosilec.id) + ",banka='"
                              + juce::String (saved.banka.id) + "' WHERE id = " + juce::String (saved.id)))
    {
        error = failure;
        return false;
    }
    if (! tx.commit())
    {
        error = failure;
        return false;
    }
    saved.active = true;
    account = saved;
    return true;
}

bool IbanStore::deactivate (const juce::Array<int>& ids, juce::String& error)
{
    juce::StringArray list;
    for (int id : ids)
        if (id > 1)
            list.add (juce::String (id));
    if (list.isEmpty())
        return true;
    DbTransaction tx;
    SQLtoXml db;
    if (db.sqlQueryNA ("UPDATE iban SET active=0 WHERE id IN (" + list.joinIntoString (",") + ")") && tx.commit())
        return true;
    error = db.lastError.isNotEmpty() ? db.lastError : tx.getLastError();
    vlog ("IbanStore::deactivate", "ERROR: " + error);
    return false;
}
