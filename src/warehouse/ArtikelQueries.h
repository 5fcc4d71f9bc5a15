#pragma once
// The three fixed texts the article browsers run: the articles, their storage entries and the
// invoice lines that moved them. Built once, read from any thread.
#include <juce_core/juce_core.h>

class ArtikelQueries
{
public:
    /** One row per article version, with the batch label of bottled wine. */
    static const juce::String& artikli();
    /** One row per storage entry with its warehouse and count; ends in a blank. */
    static const juce::String& hrambe();
    /** One row per invoice line of an article with the document and the line's amounts. */
    static const juce::String& prodaja();

    /** Document kinds of the sales rows (column `racun.tip`). */
    static constexpr int kQuotation = 1;
    static constexpr int kTransferNote = 6;
    /** The first status of an issued document. */
    static constexpr int kIssued = 30;
};
