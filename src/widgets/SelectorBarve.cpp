#include "widgets/SelectorBarve.h"

SelectorBarve::SelectorBarve()
    : juce::ColourSelector (juce::ColourSelector::showColourspace, 4)
{
    setName (TRANS ("barva"));
    setSize (400, 400);
}

SelectorBarve::~SelectorBarve() = default;

bool SelectorBarve::okAction()
{
    // The opener reads the colour and closes the window itself.
    doneFlag = false;
    notifyKWindowListener();
    return true;
}

bool SelectorBarve::cancelAction()
{
    doneFlag = false;
    notifyKWindowListener();
    return true;
}
