#include <gtest/gtest.h>

#include "app/SetupApp.h"
#include "support/Files.h"

namespace {

// The one application object of the test program, as setup.exe has one: it names the message boxes
// and gives the dialog its program name. Its construction writes the platform line to the install
// log, which goes again unless another run had left one.
class ApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        m_logWasThere = testsupport::FileExists(testsupport::CommonAppDataLog());
        m_app = new CSetupApp;
    }
    void TearDown() override {
        delete m_app;
        m_app = nullptr;
        if (!m_logWasThere) testsupport::RemoveLog();
    }

private:
    CSetupApp* m_app = nullptr;
    bool m_logWasThere = false;
};

::testing::Environment* const kApplication = ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

}  // namespace
