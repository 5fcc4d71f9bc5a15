#pragma once
// The print target of the narrow receipt printer: one receipt collected as ESC/POS commands with
// CP1250 text, sent at save() to the serial port of the setting "posprinterport" (or written to a
// preview text file). Page and drawing operations do nothing. Owns its stream until save() or death.
#include "print/myPrint.h"

class myPOS : public myPrint
{
public:
    myPOS (juce::OutputStream* stream, const juce::String& title);
    ~myPOS() override;

    /** The receipt of a print request: a preview file or memory, by the setting "preview". */
    static myPOS* initPOS (const VindorPrintSettings& settings);
    static myPOS* initFile (juce::File file, juce::String title);
    static myPOS* initMemory (juce::String title);

    void writeText (const juce::String& text);
    void writeBoldText (const juce::String& text);
    /** The QR code (rows of equal length, each ended by "\n", blank = light) as a centred bit image. */
    void printQR (const juce::String& matrix);

    /** Whether module (x, y) of the matrix is dark; anything outside its rows is light. */
    static bool isQRModuleDark (const juce::StringArray& rows, int n, int x, int y);

    /** Sends a memory stream's bytes to the port between the printer's prefix and feed, in pieces
        of at most 2000 bytes; true when the port accepted every byte. */
    static bool writeToPOS (juce::OutputStream* stream);

    juce::File getPreviewFile() const { return previewFile; }

    void newPage (int) override {}
    void setNumberOfPages (int) override {}
    juce::Rectangle<int> getPageArea (bool) override { return {}; }
    juce::BorderSize<int> getBorderPTS() override { return { 0, 0, 0, 0 }; }
    int mmToPoints (double) override { return 0; }
    /** False when the receipt did not reach the port (or its file): the caller must tell the user. */
    bool save (juce::String printerName) override;
    void drawDrawable (juce::InputStream&, juce::Rectangle<float>) override {}
    void drawDrawable (juce::File, juce::Rectangle<float>) override {}
    void drawDrawable (juce::Drawable*, juce::Rectangle<float>) override {}
    void drawBox (juce::Rectangle<float>) override {}
    void setFill (const juce::FillType&) override {}
    void fillRect (const juce::Rectangle<float>&) override {}
    void fillPath (const juce::Path&, const juce::AffineTransform&) override {}
    void printStamp() override;

    /** The widest matrix whose bit image (3 dots per module) the one-byte column count can hold. */
    static constexpr int kMaxQRWidth = 85;
    static constexpr int kPieceSize = 2000;

private:
    void append (std::initializer_list<int> bytes);

    std::unique_ptr<juce::OutputStream> stream;
    juce::File previewFile;
};
