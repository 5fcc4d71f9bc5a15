#include "support/TestSupport.h"
#include "widgets/Pregled.h"

#include <gtest/gtest.h>

namespace
{
struct Model : Pregled
{
    Model() : Pregled (nullptr) {}
    bool reloadPregled() override { return true; }
};
} // namespace

TEST (PregledTest, RowsAreFoundByTheirReferenceNumber)
{
    auto tree = std::make_unique<juce::XmlElement> ("SQLITE_DATA");
    tree->createNewChildElement ("COLUMNS");
    auto* data = tree->createNewChildElement ("DATA");
    for (auto* v : { "7", "12abc", "12" })
        data->createNewChildElement ("ITEM")->setAttribute ("vino", v);

    Model m;
    vtest::LogCapture log;
    EXPECT_EQ (m.getRowByReference ("vino", 7), nullptr); // no intermediate result yet
    m.setScratch (new SQLtoXml (std::move (tree)));
    EXPECT_EQ (m.getRowByReference ("vino", 12), data->getChildElement (1)); // the first that reads as 12
    EXPECT_EQ (m.getRowByReference ("vino", 3), nullptr);
    EXPECT_TRUE (log.contains ("WARNING: nisem nasel vrednosti 3 v stolpcu vino"));
}
