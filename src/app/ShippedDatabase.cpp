#include "app/ShippedDatabase.h"
#include "core/Log.h"

namespace vindoro
{
juce::File shippedDatabaseFile (const juce::File& resourcesFolder)
{
    return resourcesFolder.getChildFile ("Vindoro.db");
}

bool installShippedDatabase (const juce::File& shipped, const juce::File& target)
{
    if (target.existsAsFile())
        return true;
    if (! shipped.existsAsFile())
    {
        vlog ("installShippedDatabase", "ERROR: no shipped database at " + shipped.getFullPathName());
        return false;
    }
    target.getParentDirectory().createDirectory();
    auto temp = target.getSiblingFile (target.getFileName() + ".part");
    if (! shipped.copyFileTo (temp) || ! temp.moveFileTo (target))
    {
        temp.deleteFile();
        vlog ("installShippedDatabase", "ERROR: cannot copy the shipped database to " + target.getFullPathName());
        return false;
    }
    vlog ("installShippedDatabase", "INFO: new database " + target.getFullPathName());
    return true;
}
} // namespace vindoro
