#pragma once
// Converts text between two character sets through the C library's iconv (the program uses
// "UTF-8" and "CP1250", both ways). Owned by its user, one thread at a time. The output is always
// zero-terminated; a character the target lacks (or a broken input sequence) becomes "?" and
// is counted, and the input is never read past its given length.
#include <juce_core/juce_core.h>

#include <string>

class myIconv
{
public:
    myIconv (const juce::String& targetCharset, const juce::String& sourceCharset);
    ~myIconv();
    myIconv (const myIconv&) = delete;
    myIconv& operator= (const myIconv&) = delete;

    /** False when the character sets could not be opened; convert then gives empty text. */
    bool isOpen() const;

    /** Converts `length` bytes; the result owns its bytes and is zero-terminated (c_str()). */
    std::string convert (const char* text, size_t length);
    /** Converts a zero-terminated text. */
    std::string convert (const char* zeroTerminated);

    /** Converts a String. A String that stands for bytes of a single-byte character set carries
        one byte per character (code points 0 to 255), both as input (a source other than UTF-8)
        and as output (a target other than UTF-8); a UTF-8 side is the String's own text. */
    juce::String convertToString (const juce::String& text);

    /** The bytes of a String that carries single-byte text (see convertToString), for writing out. */
    static juce::MemoryBlock bytesOf (const juce::String& byteCarrier);

    /** Characters replaced by "?" in the last conversion. */
    int getReplacementCount() const { return replacements; }

private:
    void* descriptor;
    bool sourceIsUtf8, targetIsUtf8;
    int replacements = 0;
};
