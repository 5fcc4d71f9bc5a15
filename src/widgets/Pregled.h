#pragma once
// The base of the stock models that a stock report combines with its browser: it keeps the
// report's query object (not owned) and an intermediate result of its own (owned) in which rows
// are looked up by a reference value. Owned by the widget kit.
#include "db/SQLtoXml.h"

#include <memory>

class Pregled
{
public:
    explicit Pregled (SqlitetoXml* target);
    ~Pregled();

    /** Each stock model computes its stock here. */
    virtual void reloadPregled() = 0;

    /** The first row of the intermediate result whose `column`, read as an integer, equals `value`. */
    juce::XmlElement* getRowByReference (const juce::String& column, int value);
    /** Takes the result over as the intermediate result (a previous one is deleted). */
    void setScratch (SQLtoXml* result);

protected:
    SqlitetoXml* target;
    std::unique_ptr<SQLtoXml> scratch;
};
