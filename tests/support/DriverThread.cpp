#include "support/DriverThread.h"

#include <stdexcept>

namespace testsupport {
namespace {

constexpr DWORD kDismissPollMs = 50;

} // namespace

DriverThread::DriverThread(UiDriver& driver, std::function<void(UiDriver&)> script)
    : m_driver(driver), m_thread(&DriverThread::Run, this, std::move(script)) {}

DriverThread::~DriverThread() {
    m_stop = true;
    if (m_thread.joinable()) m_thread.join();
}

void DriverThread::Run(std::function<void(UiDriver&)> script) {
    bool failed = false;
    try {
        script(m_driver);
    } catch (...) {
        m_failure = std::current_exception();
        failed = true;
    }
    // After a failure every window left open goes; after success only ones the script never saw.
    bool onlyNew = !failed;
    while (!m_stop) {
        try {
            m_unexpected += m_driver.DismissOpenWindows(onlyNew);
        } catch (...) {
            if (!m_failure) m_failure = std::current_exception();
        }
        ::Sleep(kDismissPollMs);
    }
}

void DriverThread::Join() {
    m_stop = true;
    if (m_thread.joinable()) m_thread.join();
    if (m_failure) std::rethrow_exception(m_failure);
    if (m_unexpected)
        throw std::runtime_error("the code under test showed windows the script did not handle; they were "
                                 "dismissed:\n" + m_driver.Transcript());
}

} // namespace testsupport
