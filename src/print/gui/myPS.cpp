#include "print/gui/myPS.h"

#include "core/Globals.h"
#include "core/Log.h"
#include "platform/FileOpener.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace
{
constexpr int kFileBufferSize = 32768;
constexpr int kMemoryInitialSize = 256;

// The stamp's logo: a bunch of grapes under a leaf, filled paths only, no transforms.
const char* const kLogoSvg = R"SVG(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="354.33124" height="283.465" viewBox="0 0 354.33124 283.465">
<path fill="#f2c200" d="M120 20 C160 0 230 0 260 30 C230 40 200 60 177 90 C150 60 130 40 120 20 Z"/>
<path fill="#000000" d="M172 70 L182 70 L182 100 L172 100 Z"/>
<circle fill="#000000" cx="137" cy="115" r="26"/>
<circle fill="#000000" cx="193" cy="115" r="26"/>
<circle fill="#000000" cx="249" cy="115" r="26"/>
<circle fill="#000000" cx="165" cy="160" r="26"/>
<circle fill="#000000" cx="221" cy="160" r="26"/>
<circle fill="#000000" cx="193" cy="205" r="26"/>
<circle fill="#f2c200" cx="193" cy="250" r="20"/>
</svg>
)SVG";

juce::Rectangle<int> pageSizeOf (int paperSize)
{
    if (paperSize == 0)
        return { 595, 842 };
    if (paperSize == 1)
        return { 842, 595 };
    return {};
}

void logAs (const char* method, const juce::String& message)
{
    vindoro::vlog (juce::String ("myPS::") + method, message);
}
} // namespace

juce::String myPS::getLogoSvg()
{
    return juce::String::fromUTF8 (kLogoSvg);
}

myPS::myPS (juce::OutputStream& o, const juce::String& t, int w, int h, bool isPreview)
    : myPostScript (o, t, w, h, isPreview)
{
}

myPS::~myPS() = default;

// ---------------------------------------------------------------- job creators

myPS* myPS::initPS (const VindorPrintSettings& settings)
{
    const bool wantPreview = (bool) settings.getVar ("preview");
    const int paperSize = (int) settings.getVar ("papersize");
    const juce::String jobTitle = settings.getVar ("title").toString();
    myPS* job = nullptr;
    if (wantPreview)
    {
        auto* props = getUserSettings();
        juce::String folderName = props != nullptr ? props->getValue ("tempfolder", {}) : juce::String();
        // Without a usable temporary folder the preview goes to the system's own, not to "/".
        juce::File folder = juce::File::isAbsolutePath (folderName)
                                ? juce::File (folderName)
                                : juce::File::getSpecialLocation (juce::File::tempDirectory);
        const juce::File file = folder.getChildFile (settings.getVar ("printname").toString() + ".ps");
        job = initFile (file, paperSize, jobTitle, true);
    }
    else
    {
        job = initMemory (paperSize, jobTitle);
    }

    if (job != nullptr)
        job->setPrintSettings (settings);
    else
        logAs ("initPS", "ERROR: failed to init print stream");
    return job;
}

myPS* myPS::initFile (juce::File file, int paperSize, juce::String jobTitle, bool isPreview)
{
    // The paper is checked first, so a refused job leaves no file open or deleted behind.
    const auto size = pageSizeOf (paperSize);
    if (size.isEmpty())
    {
        logAs ("initFile", "Other paper type not implemented yet");
        return nullptr;
    }
    if (file.deleteFile())
        logAs ("initFile", "File deleted:" + file.getFullPathName());

    auto stream = std::make_unique<juce::FileOutputStream> (file, kFileBufferSize);
    if (stream->failedToOpen())
    {
        logAs ("initFile", "cant open file for postscript:" + file.getFullPathName());
        return nullptr;
    }
    logAs ("initFile", "image will be stored to" + file.getFullPathName());

    auto* job = new myPS (*stream, jobTitle, size.getWidth(), size.getHeight(), isPreview);
    job->ownedStream = std::move (stream);
    job->fileName = file.getFullPathName();
    return job;
}

myPS* myPS::initMemory (int paperSize, juce::String jobTitle)
{
    const auto size = pageSizeOf (paperSize);
    if (size.isEmpty())
    {
        logAs ("initMemory", "Other paper type not implemented yet");
        return nullptr;
    }
    auto stream = std::make_unique<juce::MemoryOutputStream> ((size_t) kMemoryInitialSize);
    auto* job = new myPS (*stream, jobTitle, size.getWidth(), size.getHeight(), false);
    job->ownedStream = std::move (stream);
    return job;
}

// ---------------------------------------------------------------- pages

void myPS::newPage (int pagesDone)
{
    if (pageCapReached)
        return;
    myPostScript::newPage (pagesDone);
    if (! pageCapReached)
        printStamp();
}

void myPS::setNumberOfPages (int pages)
{
    myPostScript::setNumberOfPages (pages);
    printStamp();
}

void myPS::printStamp()
{
    auto area = getPageArea (true).translated (0, 8);
    auto strip = area.removeFromBottom (10);
    const auto logoBox = strip.removeFromLeft (30);

    juce::MemoryInputStream logo (kLogoSvg, strlen (kLogoSvg), false);
    drawDrawable (logo, logoBox.toFloat());

    myPostScript::setFill (juce::Colours::black);
    juce::GlyphArrangement glyphs;
    glyphs.addFittedText (juce::Font (7.0f), juce::String ("Vindoro ") + JUCE_APPLICATION_VERSION_STRING,
                          (float) strip.getX(), (float) strip.getY(), (float) strip.getWidth(),
                          (float) strip.getHeight(), juce::Justification::bottomLeft, 1, 1.0f);
    juce::Path text;
    glyphs.createPath (text);
    myPostScript::fillPath (text, {});
}

// ---------------------------------------------------------------- drawing

void myPS::drawDrawable (juce::InputStream& data, juce::Rectangle<float> area)
{
    auto drawing = juce::Drawable::createFromImageDataStream (data);
    if (dynamic_cast<juce::DrawableComposite*> (drawing.get()) != nullptr)
        drawDrawable (drawing.get(), area);
}

void myPS::drawDrawable (juce::File file, juce::Rectangle<float> area)
{
    auto drawing = juce::Drawable::createFromImageFile (file);
    if (dynamic_cast<juce::DrawableComposite*> (drawing.get()) != nullptr)
        drawDrawable (drawing.get(), area);
}

void myPS::drawDrawable (juce::Drawable* drawing, juce::Rectangle<float> area)
{
    auto* composite = dynamic_cast<juce::DrawableComposite*> (drawing);
    if (composite == nullptr)
        return;
    const auto transform = juce::RectanglePlacement (juce::RectanglePlacement::centred)
                               .getTransformToFit (drawing->getDrawableBounds(), area);
    parseDrawableComposite (composite, transform);
}

void myPS::parseDrawableComposite (juce::DrawableComposite* drawing, const juce::AffineTransform& transform)
{
    for (auto* child : drawing->getChildren())
    {
        if (auto* composite = dynamic_cast<juce::DrawableComposite*> (child))
            parseDrawableComposite (composite, transform);
        else if (auto* path = dynamic_cast<juce::DrawablePath*> (child))
        {
            myPostScript::setFill (path->getFill());
            myPostScript::fillPath (path->getPath(), transform);
        }
        else if (dynamic_cast<juce::DrawableRectangle*> (child) != nullptr)
            logAs ("parseDrawableComposite", "WARNING child is rectangle DrawableRectangle has bug in getBounds");
        else if (dynamic_cast<juce::DrawableText*> (child) != nullptr)
            logAs ("parseDrawableComposite", "ERROR: child is text TODO");
        else if (dynamic_cast<juce::DrawableImage*> (child) != nullptr)
            logAs ("parseDrawableComposite", "ERROR: child is image TODO");
        else if (dynamic_cast<juce::DrawableShape*> (child) != nullptr)
            logAs ("parseDrawableComposite", "ERROR: child is shape TODO");
    }
}

void myPS::drawBox (juce::Rectangle<float> box)
{
    myPostScript::setFill (juce::Colours::black);
    myPostScript::fillRect (box);
    myPostScript::setFill (juce::Colours::white);
    myPostScript::fillRect (box.reduced (1.0f));
    myPostScript::setFill (juce::Colours::black);
}

// ---------------------------------------------------------------- delivery

bool myPS::save (juce::String printerName)
{
    if (ownedStream == nullptr)
    {
        logAs ("save", "ERROR: job already saved");
        return false;
    }

    if (! pagesStarted)
    {
        // Nothing was laid out: an empty job must neither reach the printer nor open a viewer.
        logAs ("save", "WARNING: no page laid out, job dropped");
        ownedStream.reset();
        if (fileName.isNotEmpty())
            juce::File (fileName).deleteFile();
        return false;
    }

    if (auto* file = dynamic_cast<juce::FileOutputStream*> (ownedStream.get()))
    {
        out << "showpage\n";
        logAs ("save", "flushing file");
        file->flush();
        const bool written = file->getStatus().wasOk();
        ownedStream.reset();
        if (! written)
        {
            logAs ("save", "ERROR: could not write " + fileName);
            return false;
        }
        if ((bool) printSettings.getValue ("preview").getValue())
        {
            logAs ("save", "Starting preview of the file");
            const juce::File preview (fileName);
            return preview.existsAsFile() && FileOpener::get().open (preview);
        }
        return true;
    }

    if (auto* memory = dynamic_cast<juce::MemoryOutputStream*> (ownedStream.get()))
    {
        // The destination chosen in the print dialog comes before the user setting.
        if (printerName.isEmpty() && printSettings.contains ("printer"))
            printerName = printSettings.getString ("printer");
        if (printerName.isEmpty())
            if (auto* props = getUserSettings())
                printerName = props->getValue ("printer", {});
        logAs ("save", "printing memory to printer " + printerName);
        out << "showpage\n";
        const bool printed = printEPSStream (*memory, printerName, title);
        logAs ("save", "printing finished");
        ownedStream.reset();
        return printed;
    }
    return false;
}
