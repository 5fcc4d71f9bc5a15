#pragma once
// The accounts of one party form before the party is stored: the holder, the current (main)
// account, and the accounts collected from typing or a register look-up, saved together with the
// party. Owned by the account picker of the party editor; lives as long as the form.
#include "accounts/IbanRecord.h"

#include <functional>
#include <vector>

class IbanCollection
{
public:
    /** Everything the collection holds, so a save that is rolled back can restore it. */
    struct State
    {
        StrankaRecord holder;
        IbanRecord current;
        std::vector<IbanRecord> collected;
    };

    const StrankaRecord& getHolder() const { return state.holder; }
    const IbanRecord& getCurrent() const { return state.current; }
    const std::vector<IbanRecord>& getCollected() const { return state.collected; }

    /** Makes the account the current one and tells onCurrentChanged. */
    void setCurrent (const IbanRecord& account);

    /** Appends an account with a number and makes it current; one without a number is dropped. */
    void append (const IbanRecord& account);

    /** Collects account texts (normalised) under the holder with the default bank. */
    void dodajIBAN (const juce::StringArray& accounts);

    /** The holder of the collection and of every collected account; the current one stays. */
    void fixNosilec (const StrankaRecord& party);

    /** Stores the collected accounts without an id under their holder: an account already in the
        database moves to the holder, a new one is added with its bank. Stops at the first failed
        statement (false); run it inside the caller's transaction. */
    bool shraniVseIBAN();

    /** Forgets a collected account that has no row yet (by its number); a current one so removed
        leaves no current account. */
    void removeUnsaved (const juce::String& iban);

    /** Forgets the current account when it is this stored one. */
    void forgetStored (int id);

    State getState() const { return state; }
    void restore (const State& saved);

    /** Told whenever the current account changes. */
    std::function<void (const IbanRecord&)> onCurrentChanged;

private:
    State state;
};
