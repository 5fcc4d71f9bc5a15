#include "print/myPOS.h"

#include "core/Globals.h"
#include "core/Log.h"
#include "core/myIconv.h"
#include "platform/ComPortDriver.h"
#include "platform/FileOpener.h"

namespace
{
constexpr int ESC = 0x1B, GS = 0x1D, LF = 0x0A;
constexpr int kFileBufferSize = 32768;
constexpr int kMemoryInitialSize = 256;

void logAs (const char* method, const juce::String& message)
{
    vindoro::vlog (juce::String ("myPOS::") + method, message);
}

int send (ComPortDriver& port, std::initializer_list<int> bytes)
{
    char buf[8];
    int n = 0;
    for (int b : bytes)
        buf[n++] = (char) b;
    return port.writeToComPort (buf, n);
}
} // namespace

myPOS::myPOS (juce::OutputStream* s, const juce::String& t) : myPrint (t, 0, 0), stream (s) {}

// A receipt that was never saved still releases its stream (and closes its file).
myPOS::~myPOS() = default;

myPOS* myPOS::initPOS (const VindorPrintSettings& settings)
{
    const bool wantPreview = (bool) settings.getVar ("preview");
    const juce::String jobTitle = settings.getVar ("title").toString();
    myPOS* job = nullptr;
    if (wantPreview)
    {
        auto* props = getUserSettings();
        const juce::String folderName = props != nullptr ? props->getValue ("tempfolder", {}) : juce::String();
        const juce::File folder = juce::File::isAbsolutePath (folderName)
                                      ? juce::File (folderName)
                                      : juce::File::getSpecialLocation (juce::File::tempDirectory);
        job = initFile (folder.getChildFile (settings.getVar ("printname").toString() + ".txt"), jobTitle);
    }
    else
    {
        job = initMemory (jobTitle);
    }
    if (job != nullptr)
        job->setPrintSettings (settings);
    else
        logAs ("initPOS", "ERROR: failed to init print stream");
    return job;
}

myPOS* myPOS::initFile (juce::File file, juce::String jobTitle)
{
    if (file.deleteFile())
        logAs ("initFile", "File deleted:" + file.getFullPathName());
    auto fileStream = std::make_unique<juce::FileOutputStream> (file, kFileBufferSize);
    if (fileStream->failedToOpen())
    {
        logAs ("initFile", "cant open file for POS:" + file.getFullPathName());
        return nullptr;
    }
    logAs ("initFile", "image will be stored to" + file.getFullPathName());
    auto* job = new myPOS (fileStream.release(), jobTitle);
    job->previewFile = file;
    return job;
}

myPOS* myPOS::initMemory (juce::String jobTitle)
{
    return new myPOS (new juce::MemoryOutputStream ((size_t) kMemoryInitialSize), jobTitle);
}

void myPOS::append (std::initializer_list<int> bytes)
{
    if (stream == nullptr)
        return;
    for (int b : bytes)
        stream->writeByte ((char) b);
}

void myPOS::writeText (const juce::String& text)
{
    if (stream == nullptr || text.isEmpty())
        return;
    // Every character becomes one CP1250 byte, "?" where the code page has none, and exactly
    // those bytes go out: nothing is cut, nothing from beyond the text is sent.
    myIconv converter ("CP1250", "UTF-8");
    const char* utf8 = text.toRawUTF8();
    const std::string bytes = converter.convert (utf8, strlen (utf8));
    stream->write (bytes.data(), bytes.size());
}

void myPOS::writeBoldText (const juce::String& text)
{
    append ({ ESC, 'E', 1 });
    writeText (text);
    append ({ ESC, 'E', 0 });
}

bool myPOS::isQRModuleDark (const juce::StringArray& rows, int n, int x, int y)
{
    if (x < 0 || y < 0 || x >= n || y >= n || y >= rows.size())
        return false;
    const auto& row = rows[y];
    return x < row.length() && row[x] != ' ';
}

void myPOS::printQR (const juce::String& matrix)
{
    const int lineEnd = matrix.indexOfChar ('\n');
    const int n = lineEnd >= 0 ? lineEnd : matrix.length();
    if (n > kMaxQRWidth)
    {
        // The column count of the bit image is one byte: a wider code would come out garbled.
        logAs ("printQR", "ERROR: QR matrix of width " + juce::String (n) + " is wider than "
                              + juce::String (kMaxQRWidth) + " modules, not printed");
        return;
    }
    juce::StringArray rows;
    rows.addTokens (matrix, "\n", {});

    append ({ ESC, 'a', 1, ESC, '3', 0 });
    logAs ("printQR", "width:" + juce::String (n));
    int top = 0;
    do
    {
        append ({ ESC, '*', 0, (3 * n) % 256, 0 });
        for (int x = 0; x < n; ++x)
        {
            int byte = 0;
            if (isQRModuleDark (rows, n, x, top))
                byte |= 0xC0;
            if (isQRModuleDark (rows, n, x, top + 1))
                byte |= 0x30;
            if (isQRModuleDark (rows, n, x, top + 2))
                byte |= 0x0C;
            if (isQRModuleDark (rows, n, x, top + 3))
                byte |= 0x03;
            append ({ byte, byte, byte });
        }
        append ({ LF });
        top += 4;
    } while (top < n);
    append ({ ESC, 'a', 0, ESC, '3', 24 });
}

void myPOS::printStamp()
{
    writeText (juce::String ("Vindoro ") + JUCE_APPLICATION_VERSION_STRING);
}

bool myPOS::save (juce::String printerName)
{
    if (stream == nullptr)
        return false;
    if (auto* file = dynamic_cast<juce::FileOutputStream*> (stream.get()))
    {
        logAs ("save", "flushing file");
        file->flush();
        const bool written = file->getStatus().wasOk();
        stream.reset();
        if (! written)
        {
            logAs ("save", "ERROR: could not write " + previewFile.getFullPathName());
            return false;
        }
        if ((bool) printSettings.getValue ("preview").getValue())
        {
            logAs ("save", "Starting preview of the file");
            FileOpener::get().open (previewFile);
        }
        return true;
    }
    if (dynamic_cast<juce::MemoryOutputStream*> (stream.get()) != nullptr)
    {
        if (printerName.isEmpty())
            if (auto* props = getUserSettings())
                printerName = props->getValue ("printer", {});
        logAs ("save", "printing memory to printer " + printerName);
        const bool sent = writeToPOS (stream.get());
        logAs ("save", "printing finished");
        stream.reset();
        return sent;
    }
    return false;
}

bool myPOS::writeToPOS (juce::OutputStream* out)
{
    auto* memory = dynamic_cast<juce::MemoryOutputStream*> (out);
    if (memory == nullptr)
    {
        logAs ("writeToPOS", "ERROR: stream ni memory stream. Ignoring");
        return false;
    }
    auto* props = getUserSettings();
    const int portIndex = props != nullptr ? props->getIntValue ("posprinterport", 0) : 0;
    auto& port = ComPortDriver::get();
    if (port.initComPort (portIndex) < 0)
    {
        logAs ("writeToPOS", "ERROR: ne morem inicializirat POS vrat");
        return false;
    }

    send (port, { ESC, '@' });
    send (port, { ESC, '!', 1 });
    send (port, { GS, '!', 0 });
    send (port, { ESC, '3', 24 });
    send (port, { ESC, 't', 30 });

    const auto* data = static_cast<const char*> (memory->getData());
    const int size = (int) memory->getDataSize();
    int sent = 0;
    while (sent < size)
    {
        const int accepted = port.writeToComPort (data + sent, juce::jmin (size - sent, kPieceSize));
        if (accepted <= 0)
            break;
        sent += accepted;
    }

    send (port, { ESC, 'd', 3 });
    port.closeComPort();
    if (sent == size)
        return true;
    logAs ("writeToPOS", "ERROR: ni poslalo vseh znakov na POS vrata. Za poslat:" + juce::String (size)
                             + " poslalo:" + juce::String (sent));
    return false;
}
