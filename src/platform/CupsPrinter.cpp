#include "platform/CupsPrinter.h"

#include <cups/cups.h>

juce::StringArray CupsPrinter::getDestinationNames()
{
    juce::StringArray names;
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2 (CUPS_HTTP_DEFAULT, &dests);
    for (int i = 0; i < count; ++i)
    {
        juce::String name = juce::String::fromUTF8 (dests[i].name);
        if (dests[i].instance != nullptr)
            name << "/" << juce::String::fromUTF8 (dests[i].instance);
        names.add (name);
    }
    cupsFreeDests (count, dests);
    return names;
}

juce::String CupsPrinter::getDefaultDestination()
{
    // A named-destination look-up with no name asks the scheduler (and the user's lpoptions) for
    // the default; no answer means there is none.
    cups_dest_t* dest = cupsGetNamedDest (CUPS_HTTP_DEFAULT, nullptr, nullptr);
    if (dest == nullptr)
        return {};
    juce::String name = juce::String::fromUTF8 (dest->name);
    cupsFreeDests (1, dest);
    return name;
}

int CupsPrinter::printFile (const juce::File& file, const juce::String& destination, const juce::String& title,
                            juce::String& error)
{
    const juce::String name = destination.isNotEmpty() ? destination : getDefaultDestination();
    if (name.isEmpty())
    {
        error = "no CUPS destination";
        return 0;
    }
    if (! file.existsAsFile())
    {
        error = "no file to print: " + file.getFullPathName();
        return 0;
    }

    const juce::String queue = name.upToFirstOccurrenceOf ("/", false, false);
    cups_option_t* options = nullptr;
    int numOptions = 0;
    // Copies are laid out by the job itself, so the queue must print the document once.
    numOptions = cupsAddOption ("copies", "1", numOptions, &options);
    const int jobId = cupsPrintFile2 (CUPS_HTTP_DEFAULT, queue.toRawUTF8(), file.getFullPathName().toRawUTF8(),
                                      title.toRawUTF8(), numOptions, options);
    cupsFreeOptions (numOptions, options);
    if (jobId == 0)
        error = "CUPS refused the job on " + name + ": " + juce::String::fromUTF8 (cupsLastErrorString());
    return jobId;
}
