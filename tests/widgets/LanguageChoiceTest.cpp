#include "support/WidgetTestSupport.h"
#include "widgets/LanguageChoice.h"
#include "widgets/VindorPropertyPanel.h"

#include <gtest/gtest.h>

TEST (LanguageChoice, OffersTheThreeLanguagesByNumber)
{
    juce::LocalisedStrings::setCurrentMappings (new juce::LocalisedStrings (
        "\"language_combo_2\" = \"Slovensko\"\n\"language_combo_3\" = \"Anglesko\"\n\"language_combo_4\" = \"Slo-ang\"\n", true));
    juce::Value lang (3);
    std::unique_ptr<VindorChoicePropertyComponent> row (createLanguageChoice (lang, "lang"));
    juce::LocalisedStrings::setCurrentMappings (nullptr);

    EXPECT_EQ (row->getName(), "lang");
    EXPECT_EQ (row->getChoices(), juce::StringArray ("Slovensko", "Anglesko", "Slo-ang"));
    EXPECT_EQ (row->getPreferredHeight(), propertyRowHeight (row.get()));

    auto* box = wtest::findChild<juce::ComboBox> (*row);
    ASSERT_NE (box, nullptr);
    EXPECT_EQ (box->getSelectedItemIndex(), 1); // 3 is the second choice
    box->setSelectedItemIndex (2, juce::sendNotificationSync);
    EXPECT_EQ ((int) lang.getValue(), 4);
    box->setSelectedItemIndex (0, juce::sendNotificationSync);
    EXPECT_EQ ((int) lang.getValue(), 2);
}
