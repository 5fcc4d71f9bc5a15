#pragma once
// The base of the stock models that a stock report combines with its browser: it keeps the
// report's query object (not owned) and an intermediate result of its own (owned) in which rows
// are looked up by a reference value. Owned by the widget kit. Defined here in full, so that the
// engines that compute stock (run on report threads without windows) can derive from it.
#include "core/Log.h"
#include "db/SQLtoXml.h"

#include <memory>

class Pregled
{
public:
    explicit Pregled (SqlitetoXml* t) : target (t) {}
    virtual ~Pregled() = default;

    /** Each stock model computes its stock here; true when the stock was computed. */
    virtual bool reloadPregled() = 0;

    /** The first row of the intermediate result whose `column`, read as an integer, equals `value`. */
    juce::XmlElement* getRowByReference (const juce::String& column, int value)
    {
        if (scratch != nullptr)
            if (auto* d = scratch->getData())
                for (auto* row : d->getChildWithTagNameIterator ("ITEM"))
                    if (row->getIntAttribute (column, 0) == value)
                        return row;
        vindoro::vlog ("Pregled::getRowByReference",
                       "WARNING: nisem nasel vrednosti " + juce::String (value) + " v stolpcu " + column);
        return nullptr;
    }

    /** Takes the result over as the intermediate result (a previous one is deleted). */
    void setScratch (SQLtoXml* result) { scratch.reset (result); }

protected:
    SqlitetoXml* target;
    std::unique_ptr<SQLtoXml> scratch;
};
