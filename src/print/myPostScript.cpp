#include "print/myPostScript.h"

#include "core/Globals.h"
#include "core/Log.h"

#include <cmath>
#include <locale>
#include <sstream>

namespace
{
constexpr double kMillimetresPerPoint = 0.35278;

const char* const kProlog =
    "\n%%CreationDate: none\n%%LanguageLevel: 2\n%%EndComments\n%%BeginProlog\n%%BeginResource: JRes\n"
    "/bd {bind def} bind def\n/c {setrgbcolor} bd\n/m {moveto} bd\n/l {lineto} bd\n/rl {rlineto} bd\n"
    "/ct {curveto} bd\n/cp {closepath} bd\n"
    "/pr {3 index 3 index moveto 1 index 0 rlineto 0 1 index rlineto pop neg 0 rlineto pop pop closepath} bd\n"
    "/doclip {initclip newpath} bd\n/endclip {clip newpath} bd\n%%EndResource\n%%EndProlog\n%%BeginSetup";

// Margins are typed by users with the language's decimal comma; a text that holds no number is 0.
double readMillimetres (const juce::String& text)
{
    const juce::String comma = TRANS ("decimalna_vejica");
    juce::String t = text.trim();
    if (comma.isNotEmpty() && comma != "decimalna_vejica")
        t = t.replace (comma, ".");
    return t.replaceCharacter (',', '.').getDoubleValue();
}
} // namespace

myPostScript::myPostScript (juce::OutputStream& o, const juce::String& t, int w, int h, bool isPreview)
    : myPrint (t, w, h), out (o)
{
    preview = isPreview;
    auto* initial = new SavedState();
    if (w > 0 && h > 0)
        initial->clip = juce::Rectangle<int> (w, h);
    initial->fillType = juce::FillType (juce::Colours::black);
    stateStack.add (initial);
}

myPostScript::~myPostScript() = default;

// ---------------------------------------------------------------- number texts

namespace
{
constexpr double kPowersOfTen[] = { 1.0, 10.0, 100.0, 1000.0, 10000.0, 100000.0, 1000000.0 };

// Writes the fixed text into buf (at least 48 bytes) and gives its length; this is the writer's
// hottest path (every coordinate of every glyph), so it stays free of allocations.
int writeFixedDigits (char* buf, double value, int decimals)
{
    const double scale = decimals >= 0 && decimals <= 6 ? kPowersOfTen[decimals] : std::pow (10.0, decimals);
    auto n = static_cast<juce::uint64> (std::abs (value) * scale + 0.5);
    char digits[32];
    int count = 0;
    do
    {
        digits[count++] = (char) ('0' + (int) (n % 10));
        n /= 10;
    } while (n > 0 || count < decimals + 1);

    int len = 0;
    if (value < 0.0)
        buf[len++] = '-';
    for (int i = count - 1; i >= 0; --i)
    {
        buf[len++] = digits[i];
        if (i == decimals && decimals > 0)
            buf[len++] = '.';
    }
    return len;
}
} // namespace

juce::String myPostScript::formatFixed (double value, int decimals)
{
    if (std::abs (value) >= 1e20)
        return formatGeneral (value, decimals);
    char buf[48];
    const int len = writeFixedDigits (buf, value, decimals);
    return juce::String (buf, (size_t) len);
}

juce::String myPostScript::formatGeneral (double value, int significantDigits)
{
    std::ostringstream s;
    s.imbue (std::locale::classic());
    s.precision (significantDigits);
    s << value;
    return juce::String (s.str());
}

// ---------------------------------------------------------------- graphics context

bool myPostScript::isVectorDevice() const { return true; }

void myPostScript::setOrigin (juce::Point<int> o)
{
    if (! o.isOrigin())
    {
        state().xOffset += o.x;
        state().yOffset += o.y;
        needToClip = true;
    }
}

void myPostScript::addTransform (const juce::AffineTransform&) {}

float myPostScript::getPhysicalPixelScaleFactor() { return 1.0f; }

bool myPostScript::clipToRectangle (const juce::Rectangle<int>& r)
{
    needToClip = true;
    return state().clip.clipTo (r.translated (state().xOffset, state().yOffset));
}

bool myPostScript::clipToRectangleList (const juce::RectangleList<int>& list)
{
    needToClip = true;
    return state().clip.clipTo (list);
}

void myPostScript::excludeClipRectangle (const juce::Rectangle<int>& r)
{
    needToClip = true;
    state().clip.subtract (r.translated (state().xOffset, state().yOffset));
}

void myPostScript::clipToPath (const juce::Path& path, const juce::AffineTransform& t)
{
    if (isDropping())
        return;
    writeClip();
    juce::Path p (path);
    p.applyTransform (t.translated ((float) state().xOffset, (float) state().yOffset));
    writePath (p);
    out << "clip\n";
}

void myPostScript::clipToImageAlpha (const juce::Image&, const juce::AffineTransform&)
{
    needToClip = true;
}

bool myPostScript::clipRegionIntersects (const juce::Rectangle<int>& r)
{
    return state().clip.intersectsRectangle (r.translated (state().xOffset, state().yOffset));
}

juce::Rectangle<int> myPostScript::getClipBounds() const
{
    return state().clip.getBounds().translated (-state().xOffset, -state().yOffset);
}

bool myPostScript::isClipEmpty() const { return state().clip.isEmpty(); }

void myPostScript::saveState()
{
    stateStack.add (new SavedState (state()));
}

void myPostScript::restoreState()
{
    // An unmatched restore must not take away the state every operation works on.
    if (stateStack.size() > 1)
        stateStack.removeLast();
    else
        vindoro::vlog ("myPostScript::restoreState", "WARNING: restore without save ignored");
}

void myPostScript::beginTransparencyLayer (float) {}
void myPostScript::endTransparencyLayer() {}

void myPostScript::setFill (const juce::FillType& fill) { state().fillType = fill; }
void myPostScript::setOpacity (float) {}
void myPostScript::setInterpolationQuality (juce::Graphics::ResamplingQuality) {}

void myPostScript::fillRect (const juce::Rectangle<int>& r, bool)
{
    fillRect (r.toFloat());
}

void myPostScript::fillRect (const juce::Rectangle<float>& r)
{
    if (isDropping())
        return;
    if (state().fillType.isGradient() || state().fillType.isTiledImage())
    {
        juce::Path p;
        p.addRectangle (r);
        fillPath (p, {});
        return;
    }
    writeClip();
    writeColour (state().fillType.colour);
    const auto r2 = r.translated ((float) state().xOffset, (float) state().yOffset);
    out << formatGeneral (r2.getX()) << ' ' << formatGeneral (-r2.getBottom()) << ' ' << formatGeneral (r2.getWidth())
        << ' ' << formatGeneral (r2.getHeight()) << " rectfill\n";
}

void myPostScript::fillRectList (const juce::RectangleList<float>& list)
{
    fillPath (list.toPath(), {});
}

void myPostScript::fillPathTranslated (const juce::Path& path, const juce::AffineTransform& t)
{
    juce::Path p (path);
    p.applyTransform (t.translated ((float) state().xOffset, (float) state().yOffset));
    writePath (p);
}

void myPostScript::fillPath (const juce::Path& path, const juce::AffineTransform& t)
{
    if (isDropping())
        return;
    const auto& fill = state().fillType;
    if (fill.isColour())
    {
        writeClip();
        fillPathTranslated (path, t);
        writeColour (fill.colour);
        out << "fill\n";
    }
    else if (fill.isGradient())
    {
        // PostScript level 2 has no such gradients; one colour from its middle stands for it.
        writeClip();
        out << "gsave ";
        fillPathTranslated (path, t);
        out << "clip\n";
        writeColour (fill.gradient->getColourAtPosition (0.5));
        const auto b = state().clip.getBounds();
        out << b.getX() << ' ' << -b.getBottom() << ' ' << b.getWidth() << ' ' << b.getHeight() << " rectfill\n";
        out << "grestore\n";
    }
}

void myPostScript::drawImage (const juce::Image& image, const juce::AffineTransform& t)
{
    if (isDropping())
        return;
    const int w = image.getWidth();
    const int h = image.getHeight();

    writeClip();
    out << "gsave ";
    writeTransform (t.translated ((float) state().xOffset, (float) state().yOffset).scaled (1.0f, -1.0f));

    juce::RectangleList<int> solid;
    image.createSolidAreaMask (solid, 0.5f);
    out << "newpath ";
    int itemsOnLine = 0;
    for (auto& r : solid)
    {
        if (++itemsOnLine == 6)
        {
            out << '\n';
            itemsOnLine = 0;
        }
        out << r.getX() << ' ' << r.getY() << ' ' << r.getWidth() << ' ' << r.getHeight() << " pr ";
    }
    out << " clip newpath\n";
    out << w << ' ' << h << " scale\n";
    out << w << ' ' << h << " 8 [" << w << " 0 0 -" << h << ' ' << 0 << ' ' << h << " ]\n";
    writeImage (image);
    out << "false 3 colorimage grestore\n";
    needToClip = true;
}

void myPostScript::drawLine (const juce::Line<float>& line)
{
    juce::Path p;
    p.addLineSegment (line, 1.0f);
    fillPath (p, {});
}

void myPostScript::setFont (const juce::Font& f) { state().font = f; }
const juce::Font& myPostScript::getFont() { return state().font; }

void myPostScript::drawGlyph (int glyphNumber, const juce::AffineTransform& t)
{
    juce::Path p;
    auto& font = state().font;
    font.getTypefacePtr()->getOutlineForGlyph (glyphNumber, p);
    fillPath (p, juce::AffineTransform::scale (font.getHeight() * font.getHorizontalScale(), font.getHeight())
                     .followedBy (t));
}

bool myPostScript::drawTextLayout (const juce::AttributedString&, const juce::Rectangle<float>&) { return false; }

// ---------------------------------------------------------------- writers

void myPostScript::writeHeader()
{
    const bool landscape = pageWidth > pageHeight;
    float s = 1.0f;
    out << "%!PS-Adobe-3.0 \n%%BoundingBox: 0 0 ";
    if (! landscape)
    {
        s = juce::jmin (595.0f / (float) pageWidth, 842.0f / (float) pageHeight);
        out << "595 842" << "\n%%Orientation: " << "Portrait" << "\n%%DocumentMedia: " << "a4 595 842 80 () ()";
    }
    else
    {
        s = juce::jmin (842.0f / (float) pageWidth, 595.0f / (float) pageHeight);
        out << "842 595" << "\n%%Orientation: " << (preview ? "Portrait" : "Landscape") << "\n%%DocumentMedia: "
            << (preview ? "a4land 842 595 80 () ()" : "a4 595 842 80 () ()");
    }
    out << "\n%%Pages: " << numberOfPages;
    out << "\n%%Creator: Vindoro\n%%Title: " << title;
    out << kProlog;
    if (! landscape)
        out << "\n% A4, unrotated\n<< /PageSize [595 842] /Orientation 0 >> setpagedevice";
    else if (preview)
        out << "\n% A4 landscape orientation\n<< /PageSize [842 595] /Orientation 0 >> setpagedevice";
    else
        out << "\n% A4, rotated 90 degrees CW\n<< /PageSize [595 842] /Orientation 0 >> setpagedevice";
    out << "\n%%EndSetup\n%%Page: " << pageNumber << ' ' << pageNumber;
    out << "\n%%BeginPageSetup";
    const juce::String scale = formatFixed (s, 4);
    if (! landscape)
        out << "\n0 842 translate\n";
    else if (preview)
        out << "\n  0 595 translate\n";
    else
        out << "\n  90 rotate 0 0 translate\n";
    out << scale << " " << scale << " scale\n\n";
    out << "\n%%EndPageSetup\n\n";
}

void myPostScript::writeClip()
{
    if (! needToClip)
        return;
    needToClip = false;
    out << "doclip ";
    int itemsOnLine = 0;
    for (auto& r : state().clip)
    {
        if (++itemsOnLine == 6)
        {
            itemsOnLine = 0;
            out << '\n';
        }
        out << r.getX() << ' ' << -r.getY() << ' ' << r.getWidth() << ' ' << -r.getHeight() << " pr ";
    }
    out << "endclip\n";
}

void myPostScript::writeColour (juce::Colour colour)
{
    const juce::Colour c (juce::Colours::white.overlaidWith (colour));
    if (lastColour == c)
        return;
    lastColour = c;
    out << formatFixed (c.getFloatRed(), 3) << ' ' << formatFixed (c.getFloatGreen(), 3) << ' '
        << formatFixed (c.getFloatBlue(), 3) << " c\n";
}

void myPostScript::writeXY (float x, float y)
{
    if (std::abs (x) >= 1e20f || std::abs (y) >= 1e20f)
    {
        out << formatFixed (x, 2) << ' ' << formatFixed (-(double) y, 2) << ' ';
        return;
    }
    char buf[100];
    int len = writeFixedDigits (buf, x, 2);
    buf[len++] = ' ';
    len += writeFixedDigits (buf + len, -(double) y, 2);
    buf[len++] = ' ';
    out.write (buf, (size_t) len);
}

void myPostScript::writePath (const juce::Path& path)
{
    out << "newpath ";
    float lastX = 0.0f, lastY = 0.0f;
    int itemsOnLine = 0;
    juce::Path::Iterator i (path);
    while (i.next())
    {
        if (++itemsOnLine == 4)
        {
            itemsOnLine = 0;
            out << '\n';
        }
        switch (i.elementType)
        {
            case juce::Path::Iterator::startNewSubPath:
                writeXY (i.x1, i.y1);
                lastX = i.x1;
                lastY = i.y1;
                out << "m ";
                break;
            case juce::Path::Iterator::lineTo:
                writeXY (i.x1, i.y1);
                lastX = i.x1;
                lastY = i.y1;
                out << "l ";
                break;
            case juce::Path::Iterator::quadraticTo:
            {
                const float c1x = lastX + (i.x1 - lastX) * 2.0f / 3.0f;
                const float c1y = lastY + (i.y1 - lastY) * 2.0f / 3.0f;
                const float c2x = c1x + (i.x2 - lastX) / 3.0f;
                const float c2y = c1y + (i.y2 - lastY) / 3.0f;
                writeXY (c1x, c1y);
                writeXY (c2x, c2y);
                writeXY (i.x2, i.y2);
                out << "ct ";
                lastX = i.x2;
                lastY = i.y2;
                break;
            }
            case juce::Path::Iterator::cubicTo:
                writeXY (i.x1, i.y1);
                writeXY (i.x2, i.y2);
                writeXY (i.x3, i.y3);
                out << "ct ";
                lastX = i.x3;
                lastY = i.y3;
                break;
            case juce::Path::Iterator::closePath:
                out << "cp ";
                break;
            default:
                break;
        }
    }
    out << '\n';
}

void myPostScript::writeTransform (const juce::AffineTransform& t)
{
    out << "[ " << formatGeneral (t.mat00) << ' ' << formatGeneral (t.mat10) << ' ' << formatGeneral (t.mat01) << ' '
        << formatGeneral (t.mat11) << ' ' << formatGeneral (t.mat02) << ' ' << formatGeneral (t.mat12) << " ] concat ";
}

void myPostScript::writeImage (const juce::Image& im)
{
    out << "{<\n";
    const int w = im.getWidth();
    const int h = im.getHeight();
    int charsOnLine = 0;
    const juce::Image::BitmapData data (im, 0, 0, w, h);
    for (int y = h; --y >= 0;)
    {
        for (int x = 0; x < w; ++x)
        {
            const juce::uint8* p = data.getPixelPointer (x, y);
            juce::Colour pixel;
            if (im.isARGB())
            {
                juce::PixelARGB argb (*(const juce::PixelARGB*) p);
                argb.unpremultiply();
                pixel = juce::Colours::white.overlaidWith (juce::Colour (argb));
            }
            else if (im.isRGB())
                pixel = juce::Colour (*(const juce::PixelRGB*) p);
            else
                pixel = juce::Colours::black;

            const juce::uint8 rgb[3] = { pixel.getRed(), pixel.getGreen(), pixel.getBlue() };
            out << juce::String::toHexString (rgb, 3, 0);
            charsOnLine += 3;
            if (charsOnLine > 100)
            {
                out << '\n';
                charsOnLine = 0;
            }
        }
    }
    out << "\n>}\n";
}

// ---------------------------------------------------------------- print target

void myPostScript::setNumberOfPages (int pages)
{
    numberOfPages = pages;
    pageNumber = 1;
    pagesStarted = true;
    writeHeader();
}

void myPostScript::newPage (int)
{
    if (pageCapReached)
        return;
    if (pageNumber >= kMaxPagesPerJob)
    {
        vindoro::vlog ("myPostScript::newPage",
                       "ERROR: job reached " + juce::String (kMaxPagesPerJob) + " pages; further pages dropped");
        pageCapReached = true;
        return;
    }
    out << "showpage\n";
    ++pageNumber;
    writeHeader();
}

juce::Rectangle<int> myPostScript::getPageArea (bool withoutBorders)
{
    auto area = getClipBounds();
    if (withoutBorders)
    {
        const auto b = getBorderPTS();
        area = juce::Rectangle<int> (area.getX() + b.getLeft(), area.getY() + b.getTop(),
                                     area.getWidth() - b.getLeftAndRight(), area.getHeight() - b.getTopAndBottom());
    }
    return area;
}

juce::BorderSize<int> myPostScript::getBorderPTS()
{
    auto* props = getUserSettings();
    auto read = [&] (const char* key) {
        const juce::String text = props != nullptr ? props->getValue (key, "15") : juce::String ("15");
        const int mm = (int) readMillimetres (text);
        if (mm < 0)
        {
            // A negative margin would push the layout off the sheet.
            vindoro::vlog ("myPostScript::getBorderPTS", juce::String ("WARNING: negative margin ") + key + " taken as 0");
            return 0;
        }
        return mmToPoints ((double) mm);
    };
    const int top = read ("printbordertop");
    const int bottom = read ("printborderbottom");
    const int left = read ("printborderleft");
    const int right = read ("printborderright");
    vindoro::vlog ("myPostScript::getBorderPTS", "border pts top:" + juce::String (top) + " bottom:" + juce::String (bottom)
                                                      + " left:" + juce::String (left) + " right:" + juce::String (right));
    return { top, left, bottom, right };
}

int myPostScript::mmToPoints (double mm)
{
    return (int) (mm / kMillimetresPerPoint);
}
