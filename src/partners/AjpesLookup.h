#pragma once
// What the party editor does with the business register, without its window: the search made
// from the typed fields, with its outcome as hits or as the text to show, and the reading of a
// taken hit into the field values the form is filled with. Owned by the partners subsystem;
// every failure of the register arrives as a text or an empty answer, never as an exception.
#include "partners/AjpesRecords.h"

#include <memory>
#include <optional>

class AjpesLookup
{
public:
    /** The party form's texts the search is made with, as they stand (not trimmed). */
    struct PartyForm
    {
        juce::String ime, maticna, davcna, ulica, hisnast, hisnastdod, naselje, postnast;
    };

    /** The register's answer to a search: hits to show, or the (translated) text to show instead. */
    struct SearchOutcome
    {
        std::unique_ptr<juce::XmlElement> hits;
        juce::String error;
        bool found() const { return hits != nullptr; }
    };

    /** What a taken hit puts into the form; every text without CR and LF. */
    struct PartyFields
    {
        juce::String dolgoime, ime, naselje, ulica, hisnast, hisnastdod, postnast, postaime, davcna, maticna;
        bool tipdavka = false;
        juce::StringArray racuni;
    };

    /** naziv, maticna, davcna, ulica, h_st (house number and addition), naselje and posta (the post code). */
    static AjpesIskanjeRecord conditionsFromForm (const PartyForm& form);

    /** Searches the register; no hit, a refused log-in or a broken page come back as the error text. */
    static SearchOutcome search (const AjpesIskanjeRecord& conditions);

    /** Reads the company of a hit row (its "ajpesid"); nothing when it has none or the read fails. */
    static std::optional<PartyFields> readHit (const juce::XmlElement* hitRow);

    /** The form's values from a company: the full name stands for a short name the register lacks. */
    static PartyFields fieldsFromCompany (const AjpesPodjetjeRecord& company);
};
