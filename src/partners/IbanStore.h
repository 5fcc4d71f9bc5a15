#pragma once
// The bank accounts of parties in the database: the account query and its rows as records, the
// SWIFT check, saving one typed account with its bank, and switching accounts off. Owned by the
// partners subsystem; every save runs in one transaction and writes nothing when a check fails.
#include "accounts/IbanRecord.h"

#include <memory>

/** Active accounts with holder name and bank; columns 1 nosilecime, 2 iban, 3 swift, 4 id,
    5 nosilecid, 6 bankaid. The caller appends further conditions. */
extern const char* const ibanSelectSql;

class IbanStore
{
public:
    /** One row of the account query; null gives the empty record. Missing numbers read as 0. */
    static IbanRecord interpretXml (const juce::XmlElement* row);

    /** An account as a new row element "ITEM"; an account without a row shows the id "auto". */
    static std::unique_ptr<juce::XmlElement> toXml (const IbanRecord& account);

    /** Empty, or 8 or 11 ASCII letters and digits (blanks around it not counted). */
    static bool isValidSwift (const juce::String& swift);

    /** Stores an account as typed: its number normalised, its bank found by SWIFT or added (the
        default bank when the SWIFT is empty). An account without a row is added even when
        `insert` is false. On success the record carries its id, holder and bank; on refusal or
        failure false with the text to show in `error`, and nothing is written. */
    static bool saveAccount (IbanRecord& account, const juce::String& typedIban, const juce::String& typedSwift,
                             bool insert, juce::String& error);

    /** Switches the accounts off (active = 0), all or none; false with the text in `error`. */
    static bool deactivate (const juce::Array<int>& ids, juce::String& error);
};
