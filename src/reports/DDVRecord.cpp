#include "reports/DDVRecord.h"

DDVRecord DDVRecord::fromRow (const juce::XmlElement* row)
{
    DDVRecord record;
    if (row == nullptr)
        return record;

    record.id = row->getIntAttribute ("id", 0);
    record.opis = row->getStringAttribute ("opis");
    record.tip = row->getIntAttribute ("tip", 0);
    record.stopnja = row->getDoubleAttribute ("stopnja", 0.0);
    record.active = row->getBoolAttribute ("active", false);
    return record;
}
