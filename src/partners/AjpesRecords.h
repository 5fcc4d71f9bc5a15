#pragma once
// The two records of a business-register look-up: the conditions a company search is made with
// and the company data read from its register pages. Owned by the partners subsystem; plain
// value types copied between the look-up and the party editor.
#include <juce_core/juce_core.h>

/** Search conditions; an empty text is not used. Each field's name is its query key. */
struct AjpesIskanjeRecord
{
    juce::String naziv;     // company name or part of it
    juce::String maticna;   // registration number
    juce::String davcna;    // tax number
    juce::String ulica;     // street
    juce::String h_st;      // house number with its addition
    juce::String naselje;   // settlement
    juce::String obcina;    // municipality
    juce::String posta;     // post office
    juce::String dejavnost; // activity
    juce::String oblika;    // legal form

    /** The conditions as (query key, value) pairs in the order the search sends them. */
    std::vector<std::pair<const char*, juce::String>> keyedValues() const;
};

/** A company as its register page and account page show it. */
struct AjpesPodjetjeRecord
{
    int stran = 0;               // the page the next node set comes from: 0 company page, 1 account page
    juce::String popolnoIme;
    juce::String kratkoIme;
    juce::String naselje;
    juce::String ulica;
    juce::String hisnaStevilka;
    juce::String dodatek;        // house-number addition
    juce::String postnaStevilka;
    juce::String posta;
    juce::String idDDV;          // what stands before the first digit of the tax number ("SI")
    juce::String davcna;         // the tax number from its first digit on
    juce::String maticna;        // as the page shows it
    juce::StringArray racuni;    // accounts in the normal IBAN form, page order reversed, duplicates kept
};
