#include "widgets/Pregled.h"

#include "core/Log.h"

Pregled::Pregled (SqlitetoXml* t)
    : target (t)
{
}

Pregled::~Pregled() = default;

juce::XmlElement* Pregled::getRowByReference (const juce::String& column, int value)
{
    if (scratch != nullptr)
        if (auto* d = scratch->getData())
            for (auto* row : d->getChildWithTagNameIterator ("ITEM"))
                if (row->getIntAttribute (column, 0) == value)
                    return row;
    vindoro::vlog ("Pregled::getRowByReference", "WARNING: nisem nasel vrednosti " + juce::String (value) + " v stolpcu " + column);
    return nullptr;
}

void Pregled::setScratch (SQLtoXml* result)
{
    scratch.reset (result);
}
