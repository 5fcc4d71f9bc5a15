#pragma once
// The article pictures (bottle, box) the shell loads at start-up, reached by the windows below
// the shell: the application registers where they come from, tests register their own. Without
// a source there is no picture, and the plan draws its tiles without one.
#include <juce_gui_basics/juce_gui_basics.h>

namespace ArticlePictures
{
constexpr int bottle = 0;
constexpr int box = 1;

using Source = juce::Drawable* (*) (int index);

/** Registers the source (nullptr: none). Main thread only. */
void setSource (Source source);

/** The picture at the index, or nullptr (no source, index out of range, a file that failed to load). */
juce::Drawable* get (int index);
} // namespace ArticlePictures
