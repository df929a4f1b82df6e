#include <gtest/gtest.h>

#include <memory>

#include "app/SetupApp.h"
#include "support/Files.h"

namespace {

// The test program's one application object, as setup.exe has one: it gives the message boxes their
// caption. Its construction writes the platform line to the install log; a log that only this
// wrote goes again.
class ApplicationEnvironment : public testing::Environment {
public:
    void SetUp() override {
        m_logWasThere = testsupport::FileExists(testsupport::CommonAppDataLog());
        m_app = std::make_unique<CSetupApp>();
    }
    void TearDown() override {
        m_app.reset();
        if (!m_logWasThere) testsupport::RemoveLog();
    }

private:
    std::unique_ptr<CSetupApp> m_app;
    bool m_logWasThere = false;
};

testing::Environment* const kApplication = testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

}  // namespace
