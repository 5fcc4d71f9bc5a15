#include "operations/gui/EditSredstvo.h"
#include "core/Log.h"

EditSredstvo::EditSredstvo (const juce::XmlElement* row, int mask) : AddSredstvo (row, mask)
{
    vindoro::vlog ("EditSredstvo", "EditSredstvo id:" + idValue.toString());
    vindoro::vlog ("EditSredstvo", "EditSredstvo ime:" + oznakaValue.toString());
    // The stored kinds, not the browser's filter: saving unchanged must not drop the agent from
    // the other kinds' pickers.
    if (row != nullptr)
        setTip (row->getIntAttribute ("tip", 0));
}

bool EditSredstvo::save()
{
    vindoro::vlog ("EditSredstvo::save", "save EditSredstvo");
    const int tip = getTip();
    vindoro::vlog ("EditSredstvo::save", "tip sredstvo je " + juce::String (tip));
    juce::String error;
    if (! updateSredstvo ((int) idValue.getValue(), oznakaValue.toString(), opisValue.toString(), tip, error))
    {
        setErrorMessage (error);
        return false;
    }
    return true;
}
