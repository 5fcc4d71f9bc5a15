#include "support/TestSupport.h"
#include "core/Globals.h"
#include "db/SqlitetoXml.h"

#include <X11/Xlib.h>
#include <cstdlib>

namespace vtest
{
TempFolder::TempFolder()
{
    // mkdtemp, not a "nonexistent child": test programs of several worktrees run at once, and a
    // name checked free and then created can be taken (and later deleted) by another process.
    auto pattern = juce::File::getSpecialLocation (juce::File::tempDirectory)
                       .getChildFile ("vindoro-test-XXXXXX").getFullPathName().toStdString();
    if (mkdtemp (pattern.data()) != nullptr)
        folder = juce::File (pattern);
}

TempFolder::~TempFolder() { folder.deleteRecursively(); }

TestSettings::TestSettings()
{
    juce::PropertiesFile::Options options;
    options.applicationName = "Vindoro";
    options.filenameSuffix = "settings";
    options.folderName = temp.get().getFullPathName(); // an absolute folder keeps it out of ~/.config
    options.millisecondsBeforeSaving = 0;
    properties.setStorageParameters (options);
    previous = getAppProperties();
    setAppProperties (&properties);
}

TestSettings::~TestSettings()
{
    setAppProperties (previous);
}

juce::File shippedDatabase() { return juce::File (VINDORO_SHIPPED_DB); }
juce::File resourcesFolder() { return juce::File (VINDORO_RESOURCES_DIR); }

juce::MemoryBlock bytesOf (const juce::File& file)
{
    juce::MemoryBlock block;
    file.loadFileAsData (block);
    return block;
}

FreshDatabase::FreshDatabase()
{
    dbFile = testSettings.folder().file ("Vindoro.db");
    shippedDatabase().copyFileTo (dbFile);
    testSettings.user().setValue ("dbfilename", dbFile.getFullPathName());
}

FreshDatabase::~FreshDatabase()
{
    // Before the folder goes: the next test must never find this file still open.
    SqlitetoXml::disconnect();
}

LogCapture::LogCapture()
{
    previous = juce::Logger::getCurrentLogger();
    juce::Logger::setCurrentLogger (this);
}

LogCapture::~LogCapture()
{
    juce::Logger::setCurrentLogger (previous);
}

juce::StringArray LogCapture::lines() const
{
    std::lock_guard<std::mutex> lock (mutex);
    return captured;
}

bool LogCapture::contains (const juce::String& fragment) const
{
    std::lock_guard<std::mutex> lock (mutex);
    for (auto& l : captured)
        if (l.contains (fragment))
            return true;
    return false;
}

void LogCapture::clear()
{
    std::lock_guard<std::mutex> lock (mutex);
    captured.clear();
}

void LogCapture::logMessage (const juce::String& message)
{
    std::lock_guard<std::mutex> lock (mutex);
    captured.add (message);
}

namespace
{
int ignoreXError (Display*, XErrorEvent*) { return 0; }
}

void installTolerantXErrorHandler()
{
    XSetErrorHandler (ignoreXError);
}
} // namespace vtest
