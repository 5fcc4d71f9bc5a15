#include "db/gui/RestoreButtonPropertyComponent.h"
#include "db/gui/DatabaseFileChooser.h"
#include "db/SqlitetoXml.h"
#include "frame/MessageBoxes.h"

RestoreButtonPropertyComponent::RestoreButtonPropertyComponent (const juce::String& propertyName)
    : VindorButtonPropertyComponent (propertyName)
{
    refresh(); // the base could not reach this class's caption while it was being built
}

juce::String RestoreButtonPropertyComponent::getButtonText() const
{
    return TRANS ("Click for database restore");
}

void RestoreButtonPropertyComponent::buttonClicked()
{
    const auto chosen = DatabaseFileChooser::get().chooseFileToLoad (TRANS ("Choose a file to load..."), "*.db");
    if (chosen == juce::File())
        return;
    restoreFrom (chosen, this);
    refresh();
}

bool RestoreButtonPropertyComponent::restoreFrom (const juce::File& source, juce::Component* owner)
{
    const bool restored = SqlitetoXml::restoreDatabase (source);
    if (restored)
        showMessageOK (vindoro::kIconInformation, TRANS ("Database restore"), TRANS ("Database restored from ") + source.getFullPathName(), owner);
    else
        showMessageOK (vindoro::kIconWarning, TRANS ("Database restore"),
                       TRANS ("Problems occured when restoring database from ") + source.getFullPathName(), owner);
    return restored;
}
