#pragma once
// The property rows of one treatment kind in an operation window's "Opravilo" section: the agent
// picker of the kind's agent bit and slot, the amount with its unit (kinds with an amount) and the
// remark (kinds with one). The rows are new, for the caller's panel to own.
#include "operations/TreatmentRecords.h"

#include <juce_gui_basics/juce_gui_basics.h>

/** The kind's rows, in order, bound to the holder; the agent row shows `agentText` and reports its
    pick to the owner's SredstvoListener. The holder and `agentText` must outlive the rows. */
juce::Array<juce::PropertyComponent*> createTreatmentProperties (TreatmentValues& values, juce::Value& agentText,
                                                                 juce::Component* owner);
