#include "partners/StripTaxPrefix.h"

juce::String stripTaxPrefix (const juce::String& text)
{
    const int first = text.indexOfAnyOf ("0123456789");
    return first < 0 ? text : text.substring (first);
}
