#pragma once
// The published schemas (fiscal messages, e-invoices, bank statements, signatures) are not part of
// the repository: they stay in the folder "conformance" of the shared folder beside it, or where
// VINDORO_CONFORMANCE_DIR points. A test that needs one asks for it here. Missing, it fails the
// test with the reason in CI (CI=true), where the folder must be present, and skips the test with
// the same reason elsewhere, so a plain clone still passes its tests.
#include <gtest/gtest.h>
#include <juce_core/juce_core.h>

namespace vtest
{
struct ConformanceFile
{
    juce::File file;
    /** Empty when the file is there; otherwise what is missing and how to provide it. */
    juce::String missing;
};

/** The schema at `relativePath` inside the conformance folder (for example "furs/FiscalVerificationSchema.xsd"). */
ConformanceFile findConformanceFile (const juce::String& relativePath);

/** The conformance folder in use: VINDORO_CONFORMANCE_DIR when set, else the shared folder beside the repository. */
juce::File conformanceFolder();

/** True when the tests run in continuous integration (CI set to "true" or "1"). */
bool runningInCI();
} // namespace vtest

/** Declares `var` as the schema file at `relativePath`, or ends the test: failed in CI, skipped elsewhere. */
#define VTEST_CONFORMANCE_FILE(var, relativePath)                                  \
    juce::File var;                                                               \
    {                                                                             \
        const auto vtestLookup = vtest::findConformanceFile (relativePath);       \
        if (vtestLookup.missing.isNotEmpty())                                     \
        {                                                                         \
            if (vtest::runningInCI())                                             \
                FAIL() << vtestLookup.missing;                                    \
            else                                                                  \
                GTEST_SKIP() << vtestLookup.missing;                              \
        }                                                                         \
        var = vtestLookup.file;                                                   \
    }
