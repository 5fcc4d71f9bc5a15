#pragma once
// A path row whose chooser picks an existing file (never a folder); otherwise a FolderButton.
#include "widgets/FolderButton.h"

class PathButton : public FolderButton
{
public:
    using FolderButton::FolderButton;

protected:
    int chooserFlags() const override;
};
