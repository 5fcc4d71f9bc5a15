#pragma once
// The product logo as an SVG document carried in the program itself, so the intro screen never
// depends on the resources folder being found. Drawn by the intro screen; view box 354.33124 x 283.465.
namespace vindoro
{
/** The logo's SVG text. */
const char* introLogoSvg();
}
