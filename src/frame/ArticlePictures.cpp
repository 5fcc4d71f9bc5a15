#include "frame/ArticlePictures.h"

namespace
{
ArticlePictures::Source currentSource = nullptr;
}

namespace ArticlePictures
{
void setSource (Source source)
{
    currentSource = source;
}

juce::Drawable* get (int index)
{
    return currentSource != nullptr ? currentSource (index) : nullptr;
}
} // namespace ArticlePictures
