#include <gtest/gtest.h>

#include "DemoMediumTest.h"
#include "Expected.h"
#include "MediumCopy.h"
#include "SetupRun.h"

namespace {

struct Declined {
    const char* label;
    const Offer* offer;
};

void PrintTo(const Declined& declined, std::ostream* out) { *out << declined.offer->name; }

class OfferDeclinedTwice : public DemoMediumTest, public ::testing::WithParamInterface<Declined> {};

// No to the offer, then Yes to "really cancel": that product's installer does not run, and the
// run goes on with the next offer as if it had been installed.
TEST_P(OfferDeclinedTwice, SkipsThatInstallerAndGoesOnWithTheNextOffer) {
    const Offer* declined = GetParam().offer;
    const MediumCopy medium(m_scratch.PathOf("medium"));
    {
        SetupRun run(medium.Path());
        HWND dialog = run.WaitForDialog();
        EXPECT_EQ(kAllComponentsMissing, run.NextToList(dialog));
        run.NextCloses(dialog);
        for (const Offer* offer : {&kMdacOffer, &kIsoViewOffer, &kAcrobatOffer}) {
            if (offer == declined) {
                run.Answer(offer->question, kNo);
                run.Answer(offer->reallyCancel, kYes);
            } else {
                run.Answer(offer->question, kYes);
            }
        }
        EXPECT_EQ(0u, run.ExitCode()) << run.Ui().Transcript();
    }
    const Entries entries = LogEntries(LogBytes());
    ASSERT_FALSE(entries.empty());
    ExpectedRun expected(entries[0], medium.Path());
    expected.Start().PackageAndSharedFolder().DotNet();
    if (declined != &kMdacOffer) expected.Mdac();
    if (declined != &kIsoViewOffer) expected.IsoView();
    if (declined != &kAcrobatOffer) expected.Acrobat();
    EXPECT_EQ(Lines(expected.Finish().Get()), Lines(entries));
    EXPECT_EQ(1, InstallExeRuns());
}

INSTANTIATE_TEST_SUITE_P(DemoMedium, OfferDeclinedTwice,
                         ::testing::Values(Declined{"Mdac", &kMdacOffer}, Declined{"IsoView", &kIsoViewOffer},
                                           Declined{"AcrobatReader", &kAcrobatOffer}),
                         [](const ::testing::TestParamInfo<Declined>& info) { return info.param.label; });

}  // namespace
