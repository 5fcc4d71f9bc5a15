#pragma once
// An amount with its unit; the warehouse fills its units from the database through its factory.
#include "widgets/ValChoicePropertyComponent.h"

class ValUnitPropertyComponent : public ValChoicePropertyComponent
{
public:
    using ValChoicePropertyComponent::ValChoicePropertyComponent;
};
