// The serial-port layer: the listing of the machine's serial devices by index and name and the
// refusals of a device that is no terminal (the receipt tests drive real writes through a pty).
#include "platform/ComPortDriver.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

TEST (ComPortDriverTest, PortsAreListedByIndexAndName)
{
    vtest::TempFolder dev;
    for (auto name : { "ttyS10", "ttyS2", "ttyUSB0", "ttyACM1", "other" })
        dev.file (name).create();
    const auto base = dev.get().getFullPathName();
    ComPortDriver::setPatterns ({ base + "/ttyS*", base + "/ttyUSB*", base + "/ttyACM*" });
    auto& driver = ComPortDriver::get();
    EXPECT_EQ (driver.getNumComPorts(), 4);
    juce::StringArray names;
    for (int i = 0; i < driver.getNumComPorts(); ++i)
        names.add (juce::String (driver.getComPortName (i)).fromLastOccurrenceOf ("/", false, false));
    EXPECT_EQ (names.joinIntoString (","), "ttyS2,ttyS10,ttyUSB0,ttyACM1");
    EXPECT_EQ (driver.getComPortName (4), nullptr);
    EXPECT_EQ (driver.getComPortName (-1), nullptr);
    EXPECT_LT (driver.initComPort (0), 0) << "a plain file is not a serial port";
    EXPECT_LE (driver.writeToComPort ("x", 1), 0) << "no port is open";
    ComPortDriver::setPatterns ({});
}
