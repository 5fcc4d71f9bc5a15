#pragma once
// One oenological agent (a row of table `sredstvo`): its label, description and the bit mask of
// the treatment kinds it may serve; its display text, the register query of a kind mask and the
// statements that store an agent typed in the agent dialogs. Owned by the operations subsystem;
// the empty record has id -1.
#include <juce_core/juce_core.h>

#include <optional>

struct SredstvoRecord
{
    int id = -1;
    juce::String oznaka;   // label
    juce::String opis;     // description
    int tip = 0;           // bit n: usable in treatment kind n
    bool active = false;

    friend bool operator== (const SredstvoRecord& a, const SredstvoRecord& b);
    friend bool operator!= (const SredstvoRecord& a, const SredstvoRecord& b) { return ! (a == b); }
};

/** The number of type bits an agent dialog offers (nine treatment kinds and one spare). */
constexpr int kSredstvoTypeBits = 10;

/** The label, followed by the description in brackets (cut to 10 characters and "..." from 14
    characters on); empty for an agent id of 0 or below. */
juce::String getSredstvoText (SredstvoRecord agent);

/** The active agents that share a bit with the mask. */
juce::String sredstvoSelectSql (int kindMask);

/** One row of the register query as a record (id and tip 0 when missing). */
SredstvoRecord interpretSredstvoXml (const juce::XmlElement* row);

/** Refuses a label that is empty or blank with the text to show; empty when it may be stored. */
juce::String checkSredstvoLabel (const juce::String& label);

/** Inserts a new active agent with the label and description trimmed; the stored record, or
    nothing with the text to show in `error`. */
std::optional<SredstvoRecord> insertSredstvo (const juce::String& label, const juce::String& description, int tip,
                                              juce::String& error);

/** Rewrites agent `id` with the texts as typed, the mask, and makes it active; false with the
    text to show in `error`. */
bool updateSredstvo (int id, const juce::String& label, const juce::String& description, int tip, juce::String& error);
