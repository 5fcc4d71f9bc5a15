#pragma once
// One wine analysis (a row of table `analiza`) tied to the journal entry of the operation that
// carried it: thirteen measures, each with its unit where it has one, a note, a grade, a decision
// and its date. A value type; the windows build it from their AnalizaValues when they save.
#include "operations/AnalizaValues.h"

class analiza
{
public:
    /** Builds the record from the holder and stores it when anything was entered or a decision date
        was picked: id 0 when nothing was stored, -2 when storing failed, else the new row's id. */
    static analiza storeToDB (const AnalizaValues& values, int glavna);

    /** Inserts the record when its id is 0 or below or names no row (the new id goes into `id`),
        else updates that row; true when the row was stored. */
    bool storeToDB();

    int id = 0;
    int glavna = 0;
    double gostota = 0; int e_gostota = 0;
    double alkohol = 0; int e_alkohol = 0;
    double salkohol = 0; int e_salkohol = 0;
    double ekstrakt = 0; int e_ekstrakt = 0;
    double rsladkor = 0; int e_rsladkor = 0;
    double ekstraktbs = 0; int e_ekstraktbs = 0;
    double skis = 0; int e_skis = 0;
    double hkis = 0; int e_hkis = 0;
    double nkis = 0; int e_nkis = 0;
    double ph = 0;
    double prosto = 0; int e_prosto = 0;
    double szveplo = 0; int e_szveplo = 0;
    double pepel = 0; int e_pepel = 0;
    juce::String drugo;
    double ocena = 0;
    juce::String odlocba;
    juce::String datumodlocba;
    bool active = true;

    /** The measure's field by its column name (one of analizaMeasures()). */
    double& measure (const juce::String& name);
    /** The unit's field of a measure with a unit; nullptr for one without. */
    int* unit (const juce::String& name);
};
