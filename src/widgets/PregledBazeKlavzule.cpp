#include "widgets/PregledBazeKlavzule.h"

PregledBazeKlavzule::PregledBazeKlavzule (juce::int32 editable)
    : PregledBaze ("SELECT * FROM ddv_klavzule;", editable != 0, klavzuleColumnSpec())
{
}

PregledBazeKlavzule::~PregledBazeKlavzule() = default;

PregledBazeKlavzule::EditWindow::~EditWindow()
{
    editor.reset();
}
