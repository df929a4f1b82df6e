#include <gtest/gtest.h>

#include "Application.h"

namespace {

// The test program's one application object, as setup.exe has one: it writes the log and names the
// message boxes.
class ApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override { m_app = new CSetupApp; }
    void TearDown() override {
        delete m_app;
        m_app = nullptr;
    }

private:
    CSetupApp* m_app = nullptr;
};

::testing::Environment* const kApplication = ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

} // namespace

CSetupApp& TheApp() { return *static_cast<CSetupApp*>(AfxGetApp()); }
