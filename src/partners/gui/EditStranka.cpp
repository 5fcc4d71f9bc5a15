#include "partners/gui/EditStranka.h"

#include "core/Log.h"

EditStranka::EditStranka (const juce::XmlElement* row, int kinds, juce::Component* ownerComponent)
    : AddStranka (row, kinds, ownerComponent)
{
    vindoro::vlog ("EditStranka::EditStranka", "EditStranka id:" + field ("id").toString());
    vindoro::vlog ("EditStranka::EditStranka", "EditStranka ime:" + field ("ime").toString());
    if (row == nullptr)
        return;
    stranka.id = row->getStringAttribute ("id").getIntValue();
    const int mask = row->hasAttribute ("tipstranke") ? row->getStringAttribute ("tipstranke").getIntValue() : kindMask;
    field ("tipstranke") = mask;
    setKinds (mask);
}

EditStranka::~EditStranka() = default;

bool EditStranka::save()
{
    return saveAs (StrankaSave::Kind::edit, TRANS ("Uredi stranko"));
}
