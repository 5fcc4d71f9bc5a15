#include "partners/IbanCollection.h"

#include "core/Log.h"
#include "core/TextHelpers.h"
#include "db/SQLtoXml.h"
#include "partners/PaymentReferences.h"

#include <algorithm>

using vindoro::vlog;

void IbanCollection::setCurrent (const IbanRecord& account)
{
    state.current = account;
    if (onCurrentChanged)
        onCurrentChanged (state.current);
}

void IbanCollection::append (const IbanRecord& account)
{
    if (account.iban.isEmpty())
        return;
    state.collected.push_back (account);
    setCurrent (account);
}

void IbanCollection::dodajIBAN (const juce::StringArray& accounts)
{
    vlog ("IBANButtonPropertyComponent::dodajIBAN", "stevilo IBAN:" + juce::String (accounts.size()));
    for (int i = 0; i < accounts.size(); ++i)
    {
        IbanRecord account;
        account.iban = normaliseIban (accounts[i]);
        vlog ("IBANButtonPropertyComponent::dodajIBAN", juce::String (i) + ". IBAN:" + account.iban);
        account.nosilec = state.holder;
        account.banka.id = 1;
        account.active = true;
        append (account);
    }
}

void IbanCollection::fixNosilec (const StrankaRecord& party)
{
    vlog ("IBANButtonPropertyComponent::fixNosilec", "Nosilec id:" + juce::String (party.id));
    state.holder = party;
    for (auto& account : state.collected)
        account.nosilec = party;
}

bool IbanCollection::shraniVseIBAN()
{
    const char* const where = "IBANButtonPropertyComponent::shraniVseIBAN";
    SQLtoXml db;
    for (auto& entry : state.collected)
    {
        auto account = entry;
        if (account.id >= 1)
        {
            vlog (where, "WARNING: iban id:" + juce::String (account.id) + " je vecji od nic. Preskocim");
            continue;
        }
        const auto t = normaliseIban (account.iban);
        if (t.isEmpty())
            continue;
        account.iban = t;

        const auto holder = account.nosilec.id;
        const auto existing = (int) db.sqlQueryInt ("SELECT id FROM iban WHERE iban='" + t + "'");
        if (existing > 0)
        {
            const auto stored = (int) db.sqlQueryInt ("SELECT stranka FROM iban WHERE id=" + juce::String (existing));
            if ((stored > 0 && holder > 0 && stored != holder) || (stored == 0 && holder > 0))
            {
                if (! db.sqlQueryNA ("UPDATE iban SET stranka=" + juce::String (holder) + " WHERE id=" + juce::String (existing)))
                {
                    vlog (where, "ERROR: ni posodobilo stranka v iban");
                    return false;
                }
            }
            account.id = existing;
        }
        else
        {
            auto bank = account.banka.id;
            if (bank < 1 && account.banka.swift.isNotEmpty())
            {
                const auto swift = sqlEscape (account.banka.swift);
                bank = (int) db.sqlQueryInt ("SELECT id FROM banka WHERE swift='" + swift + "'");
                if (! db.ok || bank < 1)
                {
                    if (! db.sqlQueryNA ("INSERT INTO banka(stranka,swift,active) VALUES(1,'" + swift + "',1)"))
                    {
                        vlog (where, "ERROR: ni naredilo banke");
                        return false;
                    }
                    bank = (int) db.lastInsertedID();
                }
            }
            account.banka.id = bank;
            if (! db.sqlQueryNA ("INSERT INTO iban(iban,stranka,banka,active) VALUES('" + t + "'," + juce::String (holder) + ","
                                 + juce::String (bank) + ",1)"))
            {
                vlog (where, "ERROR: ni shranilo iban v bazo");
                return false;
            }
            account.id = (int) db.lastInsertedID();
        }
        entry = account;
        if (account.iban == state.current.iban)
            setCurrent (account);
    }
    return true;
}

void IbanCollection::removeUnsaved (const juce::String& iban)
{
    auto& list = state.collected;
    list.erase (std::remove_if (list.begin(), list.end(), [&] (const IbanRecord& a) { return a.id <= 0 && a.iban == iban; }),
                list.end());
    if (state.current.id <= 0 && state.current.iban == iban)
        setCurrent ({});
}

void IbanCollection::forgetStored (int id)
{
    if (id > 0 && state.current.id == id)
        setCurrent ({});
}

void IbanCollection::restore (const State& saved)
{
    const bool currentChanged = saved.current.id != state.current.id || saved.current.iban != state.current.iban;
    state = saved;
    if (currentChanged && onCurrentChanged)
        onCurrentChanged (state.current);
}
