// The receipt printer: the exact ESC/POS bytes that reach a pseudo-terminal standing in for the
// printer's serial port, the preview file, and the failures (port missing, short write).
#include "platform/ComPortDriver.h"
#include "print/myPOS.h"
#include "support/PreviewCatcher.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

#include <vector>

namespace
{
using Bytes = std::vector<unsigned char>;

Bytes bytesOf (std::initializer_list<int> list)
{
    Bytes b;
    for (int v : list)
        b.push_back ((unsigned char) v);
    return b;
}

Bytes operator+ (Bytes a, const Bytes& b)
{
    a.insert (a.end(), b.begin(), b.end());
    return a;
}

const Bytes kPrefix = bytesOf ({ 0x1B, 0x40, 0x1B, 0x21, 0x01, 0x1D, 0x21, 0x00, 0x1B, 0x33, 0x18, 0x1B, 0x74, 0x1E });
const Bytes kFeed = bytesOf ({ 0x1B, 0x64, 0x03 });

/** A pseudo-terminal listed as the machine's only serial port "ttyUSB0", and the settings that
    choose it. The test reads from the master side what the program wrote to the port. */
class ReceiptPort
{
public:
    ReceiptPort()
    {
        if (openpty (&master, &slave, nullptr, nullptr, nullptr) != 0)
            ADD_FAILURE() << "openpty failed";
        fcntl (master, F_SETFL, fcntl (master, F_GETFL) | O_NONBLOCK);
        char name[256] = {};
        ttyname_r (slave, name, sizeof (name));
        juce::File (juce::String (name)).createSymbolicLink (links.file ("ttyUSB0"), true);
        ComPortDriver::setPatterns ({ links.get().getFullPathName() + "/ttyUSB*" });
        settings.user().setValue ("posprinterport", 0);
    }
    ~ReceiptPort()
    {
        ComPortDriver::get().closeComPort();
        ComPortDriver::setPatterns ({});
        ComPortDriver::setWriteTimeout (2000);
        ::close (master);
        ::close (slave);
    }

    Bytes read()
    {
        Bytes all;
        unsigned char buf[4096];
        for (int idle = 0; idle < 20;)
        {
            const ssize_t n = ::read (master, buf, sizeof (buf));
            if (n > 0)
            {
                all.insert (all.end(), buf, buf + n);
                idle = 0;
            }
            else
            {
                ++idle;
                juce::Thread::sleep (5);
            }
        }
        return all;
    }

    vtest::TestSettings settings;
    vtest::TempFolder links;
    int master = -1, slave = -1;
};

/** Records the length of every write while the real driver sends the bytes. */
class RecordingPort : public ComPortDriver
{
public:
    RecordingPort() { ComPortDriver::set (this); }
    ~RecordingPort() override { ComPortDriver::set (nullptr); }
    int writeToComPort (const char* data, int length) override
    {
        lengths.push_back (length);
        return ComPortDriver::writeToComPort (data, length);
    }
    std::vector<int> lengths;
};

/** The body of one receipt as it reaches the port: what lies between the prefix and the feed. */
Bytes receiptBytes (const std::function<void (myPOS&)>& write)
{
    ReceiptPort port;
    std::unique_ptr<myPOS> job (myPOS::initMemory ("t"));
    write (*job);
    EXPECT_TRUE (job->save ({}));
    const Bytes all = port.read();
    if (all.size() < kPrefix.size() + kFeed.size() || ! std::equal (kPrefix.begin(), kPrefix.end(), all.begin())
        || ! std::equal (kFeed.begin(), kFeed.end(), all.end() - (long) kFeed.size()))
    {
        ADD_FAILURE() << "the port did not receive prefix, body and feed";
        return {};
    }
    return Bytes (all.begin() + (long) kPrefix.size(), all.end() - (long) kFeed.size());
}

juce::String squareMatrix (int n, char dark = '*')
{
    juce::String m;
    for (int y = 0; y < n; ++y)
        m << juce::String::repeatedString (juce::String::charToString (dark), n) << "\n";
    return m;
}
} // namespace

TEST (myPOSTest, TextIsCp1250AndBoldIsWrapped)
{
    vtest::TestSettings settings;
    EXPECT_EQ (receiptBytes ([] (myPOS& p) { p.writeBoldText (""); }), bytesOf ({ 0x1B, 0x45, 0x01, 0x1B, 0x45, 0x00 }));
    EXPECT_EQ (receiptBytes ([] (myPOS& p) { p.writeText (""); }), Bytes());
    EXPECT_EQ (receiptBytes ([] (myPOS& p) { p.writeText (juce::String::fromUTF8 ("\xc3\x9c" "ber \xc4\x8d" "aj")); }),
               bytesOf ({ 0xDC, 'b', 'e', 'r', ' ', 0xE8, 'a', 'j' }));
    // A character CP1250 lacks becomes "?", the rest of the text still goes out.
    EXPECT_EQ (receiptBytes ([] (myPOS& p) { p.writeText (juce::String::fromUTF8 ("a\xe4\xb8\xad" "b\xe2\x82\xac")); }),
               bytesOf ({ 'a', '?', 'b', 0x80 }));
    EXPECT_EQ (receiptBytes ([] (myPOS& p) { p.writeBoldText ("Hi\n"); }),
               bytesOf ({ 0x1B, 0x45, 0x01, 'H', 'i', '\n', 0x1B, 0x45, 0x00 }));
    EXPECT_EQ (receiptBytes ([] (myPOS& p) { p.printStamp(); }), bytesOf ({ 'V', 'i', 'n', 'd', 'o', 'r', 'o', ' ', '2', '.', '2', '.', '0' }));
}

TEST (myPOSTest, QRBandsOfSquareMatrices)
{
    vtest::TestSettings settings;
    struct Case
    {
        int n, bands, total;
    };
    for (const auto& c : { Case { 29, 8, 756 }, Case { 25, 7, 579 } })
    {
        const auto bytes = receiptBytes ([&] (myPOS& p) { p.printQR (squareMatrix (c.n)); });
        ASSERT_EQ ((int) bytes.size(), c.total) << c.n;
        EXPECT_EQ (Bytes (bytes.begin(), bytes.begin() + 6), bytesOf ({ 0x1B, 0x61, 0x01, 0x1B, 0x33, 0x00 }));
        EXPECT_EQ (Bytes (bytes.end() - 6, bytes.end()), bytesOf ({ 0x1B, 0x61, 0x00, 0x1B, 0x33, 0x18 }));
        const int bandSize = 5 + 3 * c.n + 1;
        for (int band = 0; band < c.bands; ++band)
        {
            const auto* b = bytes.data() + 6 + band * bandSize;
            EXPECT_EQ (Bytes (b, b + 5), bytesOf ({ 0x1B, 0x2A, 0x00, 3 * c.n, 0x00 }));
            // Every module is dark; the last band holds only the rows the matrix has.
            const int rowsInBand = juce::jmin (4, c.n - band * 4);
            const int expected = rowsInBand == 4 ? 0xFF : rowsInBand == 3 ? 0xFC : rowsInBand == 2 ? 0xF0 : 0xC0;
            for (int i = 0; i < 3 * c.n; ++i)
                ASSERT_EQ (b[5 + i], expected) << "n " << c.n << " band " << band;
            EXPECT_EQ (b[bandSize - 1], 0x0A);
        }
    }
}

TEST (myPOSTest, QRBitOrderAndMatrixEdges)
{
    vtest::TestSettings settings;
    // Only (1, 2) is dark: column 1 of band 0 gets 0C three times.
    const auto dot = receiptBytes ([] (myPOS& p) { p.printQR ("    \n    \n *  \n    \n"); });
    EXPECT_EQ (dot, bytesOf ({ 0x1B, 0x61, 0x01, 0x1B, 0x33, 0x00, 0x1B, 0x2A, 0x00, 12, 0x00, 0, 0, 0, 0x0C, 0x0C, 0x0C, 0, 0, 0,
                               0, 0, 0, 0x0A, 0x1B, 0x61, 0x00, 0x1B, 0x33, 0x18 }));

    EXPECT_EQ (receiptBytes ([] (myPOS& p) { p.printQR (""); }),
               bytesOf ({ 0x1B, 0x61, 0x01, 0x1B, 0x33, 0x00, 0x1B, 0x2A, 0x00, 0x00, 0x00, 0x0A, 0x1B, 0x61, 0x00, 0x1B, 0x33, 0x18 }));

    // A short middle row: what it lacks is light, and the next row is not read in its place.
    const auto shortRow = receiptBytes ([] (myPOS& p) { p.printQR ("***\n*\n***\n"); });
    ASSERT_EQ (shortRow.size(), 6u + 5 + 9 + 1 + 6);
    EXPECT_EQ (Bytes (shortRow.begin() + 11, shortRow.begin() + 20), bytesOf ({ 0xFC, 0xFC, 0xFC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC }));

    vtest::LogCapture log;
    EXPECT_EQ (receiptBytes ([] (myPOS& p) { p.printQR (squareMatrix (86)); }), Bytes()) << "too wide for the bit image";
    EXPECT_TRUE (log.contains ("wider than 85 modules"));
    const auto widest = receiptBytes ([] (myPOS& p) { p.printQR (squareMatrix (85)); });
    EXPECT_EQ (widest[9], 255);
}

TEST (myPOSTest, AReceiptGoesToThePortBetweenPrefixAndFeed)
{
    ReceiptPort port;
    std::unique_ptr<myPOS> job (myPOS::initMemory ("racun"));
    job->writeText ("Hello\n");
    job->writeBoldText ("X");
    EXPECT_TRUE (job->save ({}));
    EXPECT_EQ (port.read(), kPrefix + bytesOf ({ 'H', 'e', 'l', 'l', 'o', '\n', 0x1B, 0x45, 0x01, 'X', 0x1B, 0x45, 0x00 }) + kFeed);

    std::unique_ptr<myPOS> empty (myPOS::initMemory ("racun"));
    EXPECT_TRUE (empty->save ({}));
    EXPECT_EQ (port.read(), kPrefix + kFeed) << "an empty receipt still opens the port and feeds";
}

TEST (myPOSTest, ALongBodyGoesOutInPiecesOf2000)
{
    ReceiptPort port;
    RecordingPort recorder;
    juce::String body;
    for (int i = 0; i < 4500; ++i)
        body << juce::String::charToString ((juce::juce_wchar) ('a' + i % 26));
    std::unique_ptr<myPOS> job (myPOS::initMemory ("racun"));
    job->writeText (body);
    EXPECT_TRUE (job->save ({}));
    EXPECT_EQ (recorder.lengths, (std::vector<int> { 2, 3, 3, 3, 3, 2000, 2000, 500, 3 }));
    const auto received = port.read();
    ASSERT_EQ (received.size(), kPrefix.size() + 4500 + kFeed.size());
    EXPECT_EQ (juce::String ((const char*) received.data() + kPrefix.size(), 4500), body);
}

TEST (myPOSTest, InitPOSChoosesPortOrPreviewFile)
{
    ReceiptPort port;
    vtest::TempFolder temp;
    port.settings.user().setValue ("tempfolder", temp.get().getFullPathName());
    vtest::PreviewCatcher opener;
    VindorPrintSettings s;
    s.setDefaults ({});
    s.setValue ("printname", "blagajna");
    s.setValue ("preview", true);

    std::unique_ptr<myPOS> preview (myPOS::initPOS (s));
    ASSERT_NE (preview, nullptr);
    EXPECT_EQ (preview->getPreviewFile(), temp.file ("blagajna.txt"));
    EXPECT_EQ (preview->getPageArea (true), juce::Rectangle<int>());
    EXPECT_EQ (preview->mmToPoints (10), 0);
    preview->writeText ("abc");
    EXPECT_TRUE (preview->save ({}));
    EXPECT_EQ (temp.file ("blagajna.txt").loadFileAsString(), "abc") << "the body only, no prefix or feed";
    EXPECT_EQ (opener.opened, juce::Array<juce::File> { temp.file ("blagajna.txt") });
    EXPECT_EQ (port.read(), Bytes()) << "nothing reaches the port";

    s.setValue ("preview", false);
    std::unique_ptr<myPOS> printed (myPOS::initPOS (s));
    ASSERT_NE (printed, nullptr);
    EXPECT_EQ (printed->getPreviewFile(), juce::File());
    printed->writeText ("z");
    vtest::LogCapture log;
    port.settings.user().setValue ("printer", "Blagajna1");
    EXPECT_TRUE (printed->save ({}));
    EXPECT_TRUE (log.contains ("printing memory to printer Blagajna1"));
    EXPECT_EQ (port.read(), kPrefix + bytesOf ({ 'z' }) + kFeed);
}

TEST (myPOSTest, FailuresAreReportedNotCountedAsPrinted)
{
    ReceiptPort port;
    vtest::LogCapture log;

    port.settings.user().setValue ("posprinterport", 3); // no such port
    std::unique_ptr<myPOS> lost (myPOS::initMemory ("racun"));
    lost->writeText ("x");
    EXPECT_FALSE (lost->save ({}));
    EXPECT_TRUE (log.contains ("ERROR: ne morem inicializirat POS vrat"));
    EXPECT_TRUE (log.contains ("printing finished"));

    // Nobody reads the port: it fills up and accepts only part of a long receipt.
    port.settings.user().setValue ("posprinterport", 0);
    ComPortDriver::setWriteTimeout (50);
    std::unique_ptr<myPOS> tooLong (myPOS::initMemory ("racun"));
    const juce::String chunk = juce::String::repeatedString ("0123456789", 100);
    for (int i = 0; i < 2000; ++i)
        tooLong->writeText (chunk);
    EXPECT_FALSE (tooLong->save ({}));
    EXPECT_TRUE (log.contains ("ERROR: ni poslalo vseh znakov na POS vrata. Za poslat:2000000 poslalo:"));

    EXPECT_EQ (myPOS::initFile (port.links.get().getChildFile ("no/such/folder/r.txt"), "t"), nullptr);
    EXPECT_TRUE (log.contains ("cant open file for POS:"));
}

TEST (myPOSTest, AReceiptDestroyedWithoutSaveReleasesItsStream)
{
    vtest::TestSettings settings;
    vtest::TempFolder temp;
    const auto file = temp.file ("unsaved.txt");
    {
        std::unique_ptr<myPOS> job (myPOS::initFile (file, "t"));
        job->writeText ("kept");
    }
    EXPECT_EQ (file.loadFileAsString(), "kept") << "the file was flushed and closed";
    EXPECT_TRUE (file.deleteFile()) << "and nothing holds it open";
}
