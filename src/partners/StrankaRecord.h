#pragma once
// The value record of one party (a row of table `stranka`), carried by value between windows.
// Owned by the partners subsystem; id -1 means the record holds no party. The application keeps
// one as the own company's record.
#include <juce_core/juce_core.h>

struct StrankaRecord
{
    int id = -1;
    juce::String naslov;       // street line composed by the party query
    juce::String posta;        // post line composed by the party query
    juce::String Drzava;       // country code
    juce::String DrzavaDolgo;  // country name
    bool DrzavaEU = false;
    juce::String ime;
    juce::String dolgoime;
    juce::String ulica;
    juce::String hisnast;
    juce::String hisnastdod;
    juce::String naselje;
    juce::String postnast;
    juce::String postaime;
    int drzava = 0;            // country id
    juce::String telefon;
    juce::String telefon2;
    juce::String mobi;
    juce::String faks;
    juce::String email;
    juce::String web;
    int rokplacila = 0;        // payment term in days
    double popust = 0.0;       // default discount in percent
    juce::String davcna;       // tax number as stored
    juce::String maticna;
    int ibanid = 0;
    juce::String swift;
    juce::String IBAN;
    juce::String kmgmid;
    juce::String gln;
    bool tipdavka = false;     // VAT payer
    int tipstranke = 0;        // party-kind mask

    /** All fields equal: texts exactly (case-sensitive), the discount numerically. */
    friend bool operator== (StrankaRecord a, StrankaRecord b);
    friend bool operator!= (StrankaRecord a, StrankaRecord b) { return ! (a == b); }
};
