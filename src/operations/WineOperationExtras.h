#pragma once
// What every wine window books besides its wine: the nine treatment kinds with the agent picked
// for each, and one analysis, all against the window's journal entry. Lives as long as its window.
#include "operations/AnalizaValues.h"
#include "operations/TreatmentRecords.h"

#include <array>

class WineOperationExtras
{
public:
    /** The first typed amount of a kind with an agent, or measure or grade, that is not a number,
        as the refusal text; empty when everything may be stored. Runs before anything is posted. */
    juce::String checkNumbers (const std::array<int, 9>& agents) const;

    /** One row per kind whose agent slot holds an agent (id above 0), in slot order, then the
        analysis when anything of it was given. False with the failing kind's "_napakainsert" text
        in error, or an empty error when the analysis failed. */
    bool store (const std::array<int, 9>& agents, double litres, int entry, juce::String& error) const;

    SladkanjeValues sladkanje;
    CiscenjeValues ciscenje;
    KvasovkeValues kvasovke;
    EncimiValues encimi;
    ZascitaValues zascita;
    FiltracijaValues filtracija;
    KorekcijaValues korekcija;
    StabilizacijaValues stabilizacija;
    MaceracijaValues maceracija;
    AnalizaValues analize;

    /** The holders in slot order (1 sladkanje ... 9 maceracija). */
    std::array<const TreatmentValues*, 9> holders() const;
};
