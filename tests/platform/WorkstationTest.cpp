#include "platform/Workstation.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

TEST (Workstation, IdentifierIsTheFilesFirstLineOrNothing)
{
    vtest::TempFolder folder;
    struct Case { const char* name; const char* content; const char* expected; };
    const Case cases[] = {
        { "machine-id", "4c4c4544003510448030b4c04f4e5a32\n", "4c4c4544003510448030b4c04f4e5a32" },
        { "padded", "  abc123  \nsecond line\n", "abc123" },
        { "blank", "\n", "" },
        { "empty", "", "" },
    };
    for (auto& c : cases)
    {
        folder.file (c.name).replaceWithText (c.content);
        EXPECT_EQ (Workstation::readIdentifier (folder.file (c.name)), c.expected) << c.name;
    }
    EXPECT_EQ (Workstation::readIdentifier (folder.file ("missing")), "");
    EXPECT_EQ (Workstation::readIdentifier (folder.get()), "");   // a folder is no identifier file
}

TEST (Workstation, AddressListStartsWithLoopbackAndHoldsEachAddressOnce)
{
    Workstation thisComputer;
    const auto list = thisComputer.addressList();
    ASSERT_TRUE (list.startsWith ("127.0.0.1;")) << list;
    ASSERT_TRUE (list.endsWith (";"));
    juce::StringArray addresses;
    addresses.addTokens (list.dropLastCharacters (1), ";", "");
    juce::StringArray distinct (addresses);
    distinct.removeDuplicates (false);
    EXPECT_EQ (distinct.size(), addresses.size()) << list;
    EXPECT_FALSE (addresses.contains ("0.0.0.0"));
    EXPECT_EQ (thisComputer.identifier(), thisComputer.identifier());   // stable within a run
    EXPECT_FALSE (thisComputer.computerName().isEmpty());
}

TEST (Workstation, TestsCanStandInForTheComputer)
{
    struct Other : Workstation
    {
        juce::String identifier() override { return "other"; }
    } other;
    Workstation::set (&other);
    EXPECT_EQ (Workstation::get().identifier(), "other");
    Workstation::set (nullptr);
    EXPECT_EQ (&Workstation::get() == &other, false);
}
