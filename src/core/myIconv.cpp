#include "core/myIconv.h"
#include "core/Log.h"

#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace
{
const iconv_t kClosed = (iconv_t) -1;

bool isUtf8Name (const juce::String& name)
{
    return name.removeCharacters ("-_").equalsIgnoreCase ("UTF8");
}

// Length of the broken or unconvertible UTF-8 sequence at `p`, bounded by what is left.
size_t utf8SequenceLength (const unsigned char* p, size_t left)
{
    size_t n = 1;
    if (p[0] >= 0xF0) n = 4;
    else if (p[0] >= 0xE0) n = 3;
    else if (p[0] >= 0xC0) n = 2;
    // A lead byte followed by fewer continuation bytes than it promises covers only those.
    size_t i = 1;
    while (i < n && i < left && (p[i] & 0xC0) == 0x80)
        ++i;
    return i;
}
} // namespace

myIconv::myIconv (const juce::String& targetCharset, const juce::String& sourceCharset)
    : sourceIsUtf8 (isUtf8Name (sourceCharset)), targetIsUtf8 (isUtf8Name (targetCharset))
{
    auto cd = iconv_open (targetCharset.toRawUTF8(), sourceCharset.toRawUTF8());
    descriptor = (void*) cd;
    if (cd == kClosed)
        vindoro::vlog ("myIconv::myIconv", "ERROR: cannot convert from " + sourceCharset + " to " + targetCharset);
}

myIconv::~myIconv()
{
    if ((iconv_t) descriptor != kClosed)
        iconv_close ((iconv_t) descriptor);
}

bool myIconv::isOpen() const { return (iconv_t) descriptor != kClosed; }

std::string myIconv::convert (const char* text, size_t length)
{
    replacements = 0;
    std::string out;
    if (! isOpen() || text == nullptr || length == 0)
        return out;

    auto cd = (iconv_t) descriptor;
    iconv (cd, nullptr, nullptr, nullptr, nullptr); // a fresh shift state for every text

    char* in = const_cast<char*> (text);
    size_t inLeft = length;
    std::string buffer (4 * length + 16, '\0');
    size_t used = 0;

    auto emit = [&] (size_t atLeast)
    {
        if (buffer.size() - used < atLeast)
            buffer.resize (buffer.size() * 2 + atLeast);
    };

    while (inLeft > 0)
    {
        emit (16);
        char* outPtr = buffer.data() + used;
        size_t outLeft = buffer.size() - used;
        const size_t rc = iconv (cd, &in, &inLeft, &outPtr, &outLeft);
        used = buffer.size() - outLeft;
        if (rc != (size_t) -1)
            break;
        if (errno == E2BIG)
        {
            buffer.resize (buffer.size() * 2);
            continue;
        }
        // EILSEQ: a character the target lacks or a broken sequence; EINVAL: a sequence cut off
        // at the end. Either way one "?" stands for it and the conversion goes on after it.
        emit (1);
        buffer[used++] = '?';
        ++replacements;
        const size_t skip = sourceIsUtf8 ? utf8SequenceLength ((const unsigned char*) in, inLeft) : 1;
        in += skip;
        inLeft -= skip;
    }
    // Flush any shift state the target keeps.
    emit (16);
    char* outPtr = buffer.data() + used;
    size_t outLeft = buffer.size() - used;
    iconv (cd, nullptr, nullptr, &outPtr, &outLeft);
    used = buffer.size() - outLeft;

    out.assign (buffer.data(), used);
    return out;
}

std::string myIconv::convert (const char* zeroTerminated)
{
    return convert (zeroTerminated, zeroTerminated != nullptr ? std::strlen (zeroTerminated) : 0);
}

juce::String myIconv::convertToString (const juce::String& text)
{
    std::string result;
    if (sourceIsUtf8)
    {
        result = convert (text.toRawUTF8(), text.getNumBytesAsUTF8());
    }
    else
    {
        const auto bytes = bytesOf (text);
        result = convert (static_cast<const char*> (bytes.getData()), bytes.getSize());
    }

    if (targetIsUtf8)
        return juce::String::fromUTF8 (result.data(), (int) result.size());

    juce::String carrier;
    carrier.preallocateBytes (result.size() * 2);
    for (unsigned char c : result)
        carrier += juce::String::charToString ((juce::juce_wchar) c);
    return carrier;
}

juce::MemoryBlock myIconv::bytesOf (const juce::String& byteCarrier)
{
    juce::MemoryBlock block;
    for (auto p = byteCarrier.getCharPointer(); ! p.isEmpty(); ++p)
    {
        const char byte = (char) (*p & 0xFF);
        block.append (&byte, 1);
    }
    return block;
}
