#pragma once
// The schema steps that bring a database from version 2 to 37, one function per version, each
// run in the frame of SchemaStep. Owned by the upgrade chain; the shipped database's schema
// (resources/db) must stay what these steps produce, which a test checks.
#include "db/UpgradeRun.h"

#include <juce_core/juce_core.h>

namespace vindoro
{
class SchemaSteps
{
public:
    using Step = void (*) (UpgradeRun&);

    /** The step that starts at `fromVersion`, or nullptr (there is none from 6, nor outside 2..36). */
    static Step stepFrom (int fromVersion);

    static void update_from_2_to_3 (UpgradeRun&);
    static void update_from_3_to_4 (UpgradeRun&);
    static void update_from_4_to_5 (UpgradeRun&);
    static void update_from_5_to_6 (UpgradeRun&);
    static void update_from_7_to_8 (UpgradeRun&);
    static void update_from_8_to_9 (UpgradeRun&);
    static void update_from_9_to_10 (UpgradeRun&);
    static void update_from_10_to_11 (UpgradeRun&);
    static void update_from_11_to_12 (UpgradeRun&);
    static void update_from_12_to_13 (UpgradeRun&);
    static void update_from_13_to_14 (UpgradeRun&);
    static void update_from_14_to_15 (UpgradeRun&);
    static void update_from_15_to_16 (UpgradeRun&);
    static void update_from_16_to_17 (UpgradeRun&);
    static void update_from_17_to_18 (UpgradeRun&);
    static void update_from_18_to_19 (UpgradeRun&);
    static void update_from_19_to_20 (UpgradeRun&);
    static void update_from_20_to_21 (UpgradeRun&);
    static void update_from_21_to_22 (UpgradeRun&);
    static void update_from_22_to_23 (UpgradeRun&);
    static void update_from_23_to_24 (UpgradeRun&);
    static void update_from_24_to_25 (UpgradeRun&);
    static void update_from_25_to_26 (UpgradeRun&);
    static void update_from_26_to_27 (UpgradeRun&);
    static void update_from_27_to_28 (UpgradeRun&);
    static void update_from_28_to_29 (UpgradeRun&);
    static void update_from_29_to_30 (UpgradeRun&);
    static void update_from_30_to_31 (UpgradeRun&);
    static void update_from_31_to_32 (UpgradeRun&);
    static void update_from_32_to_33 (UpgradeRun&);
    static void update_from_33_to_34 (UpgradeRun&);
    static void update_from_34_to_35 (UpgradeRun&);
    static void update_from_35_to_36 (UpgradeRun&);
    static void update_from_36_to_37 (UpgradeRun&);

    // Texts that more than one step, or the shipped schema, must give alike.
    static const char* const createZakljucek;
    static const char* const createPosoda;

    /** A date text turned into SQLite's date-time form where datetime() accepts it; texts it
        rejects are logged under `stepName` and kept. Shared by steps and maintenance. */
    static void convertDateColumn (class SchemaStep& step, const juce::String& table, const juce::String& column);

    /** Upper-cases and keeps only A-Z and 0-9, as account numbers are stored. */
    static juce::String cleanAccountText (const juce::String& text);
};
} // namespace vindoro
