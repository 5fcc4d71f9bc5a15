#include "db/gui/BackupButtonPropertyComponent.h"
#include "db/gui/DatabaseFileChooser.h"
#include "db/SqlitetoXml.h"
#include "frame/MessageBoxes.h"

BackupButtonPropertyComponent::BackupButtonPropertyComponent (const juce::String& propertyName)
    : VindorButtonPropertyComponent (propertyName)
{
    refresh(); // the base could not reach this class's caption while it was being built
}

juce::String BackupButtonPropertyComponent::getButtonText() const
{
    return TRANS ("Click for database backup");
}

void BackupButtonPropertyComponent::buttonClicked()
{
    const auto chosen = DatabaseFileChooser::get().chooseFileToSave (TRANS ("Choose a file to save..."), "*.db");
    if (chosen == juce::File())
        return;
    backupTo (chosen, this);
    refresh();
}

bool BackupButtonPropertyComponent::backupTo (juce::File target, juce::Component* owner)
{
    target = target.withFileExtension (".db");
    SqlitetoXml::disconnect();
    const bool copied = SqlitetoXml::backupDatabase (target);
    if (copied)
        showMessageOK (vindoro::kIconInformation, TRANS ("Database backup"), TRANS ("Database backuped to ") + target.getFullPathName(), owner);
    else
        showMessageOK (vindoro::kIconWarning, TRANS ("Database backup"),
                       TRANS ("Problems occured when storing database to ") + target.getFullPathName(), owner);
    return copied;
}
