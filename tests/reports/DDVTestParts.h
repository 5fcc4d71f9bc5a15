#pragma once
// The VAT rate tests' fixture: a fresh copy of the shipped database, a language file in force and
// no rate list left over from another test (the list is loaded once per run otherwise).
#include "db/SQLtoXml.h"
#include "reports/DDV.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace ddvtest
{
inline void forgetRateList()
{
    delete DDV::getInstanceWithoutCreating();
}

inline void useLanguage (const char* file)
{
    juce::LocalisedStrings::setCurrentMappings (new juce::LocalisedStrings (vtest::resourcesFolder().getChildFile (file), true));
}

class RatesDatabase : public ::testing::Test
{
protected:
    void SetUp() override
    {
        forgetRateList();
        useLanguage ("slovensko.txt");
    }

    void TearDown() override
    {
        forgetRateList();
        juce::LocalisedStrings::setCurrentMappings (nullptr);
    }

    /** Replaces the shipped rates by the given rows ("(id, stopnja, 'opis', tip, active)", ...). */
    static void replaceRates (const juce::String& values)
    {
        SQLtoXml q;
        ASSERT_TRUE (q.sqlQueryNA ("DELETE FROM ddv")) << q.lastError;
        if (values.isNotEmpty())
            ASSERT_TRUE (q.sqlQueryNA ("INSERT INTO ddv (id, stopnja, opis, tip, active) VALUES " + values)) << q.lastError;
    }

    static juce::String peek (const juce::String& sql)
    {
        SQLtoXml q;
        const auto value = q.sqlQueryStringNoLog (sql);
        return q.ok ? value : juce::String ("<none>");
    }

    vtest::FreshDatabase database;
};
} // namespace ddvtest
