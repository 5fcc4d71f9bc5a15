#pragma once
// The VAT rate picker over table ddv; what it does with a picked rate belongs to the tax books.
#include "widgets/SpecialTableButtonPropertyComponent.h"

class DDVTableButtonPropertyComponent : public SpecialTableButtonPropertyComponent
{
public:
    DDVTableButtonPropertyComponent (const juce::String& name, const juce::String& buttonText,
                                     const juce::String& tableName, juce::Component* ownerComponent);
};
