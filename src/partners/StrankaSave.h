#pragma once
// Storing one party as the party editor holds it: the checks and the tax-number question first,
// then the party row, its accounts and the link to its main account in one transaction. Owned by
// the partners subsystem; a refusal or failure writes nothing and leaves the accounts as they were.
// The own company's record and the current user's settings follow only a committed save.
#include "partners/IbanCollection.h"

#include <functional>

class StrankaSave
{
public:
    /** The form's values as they stand (texts untrimmed, as typed or read from the row). */
    struct Form
    {
        juce::String id, ime, dolgoime, ulica, hisnast, hisnastdod, naselje, postnast, postaime, telefon, telefon2, mobi, faks,
            email, web, rokplacila, popust, davcna, maticna, kmgmid, gln, ibanid;
        int drzava = 0;
        bool tipdavka = true;
        bool kinds[5] = { false, false, false, false, false };
    };

    enum class Kind
    {
        add,   // a new row
        edit   // rewrites the row of `Form::id`
    };

    /** Asked when the tax number differs from the VAT number of the party's country: 1 takes the
        VAT number, 2 keeps the typed one, 0 refuses the save. */
    using TaxNumberQuestion = std::function<int (const juce::String& vatId)>;

    struct Outcome
    {
        bool saved = false;
        int id = -1;          // the stored party's id
        juce::String error;   // the text to show when not saved
    };

    /** Checks, asks, then stores the party and (when given) its accounts; see the class comment. */
    static Outcome save (const Form& form, Kind kind, IbanCollection* accounts, const TaxNumberQuestion& ask);

    /** The discount as written into the row: a number limited to 0..100, up to six significant digits. */
    static juce::String discountText (const juce::String& typed);
    /** The payment days as written: whole days, 0 for anything below 1 or without digits. */
    static int paymentDays (const juce::String& typed);
};
