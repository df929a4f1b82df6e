#pragma once
#include "support/UiDriver.h"

#include <atomic>
#include <exception>
#include <functional>
#include <thread>

namespace testsupport {

// Runs a script that drives this process's windows on a second thread, while the test's thread
// runs the code that shows them (and is blocked inside each modal box until the script answers).
// Whenever a window is left that the script did not handle (the script failed, or the code showed
// a box the script did not expect), it is dismissed so the code under test returns; Join() then
// reports that as a failure.
class DriverThread {
public:
    DriverThread(UiDriver& driver, std::function<void(UiDriver&)> script);
    ~DriverThread();
    DriverThread(const DriverThread&) = delete;
    DriverThread& operator=(const DriverThread&) = delete;

    // Call once the code under test has returned: waits for the script and rethrows its failure.
    void Join();

private:
    void Run(std::function<void(UiDriver&)> script);

    UiDriver& m_driver;
    std::atomic<bool> m_stop{false};
    std::exception_ptr m_failure;
    int m_unexpected = 0;
    std::thread m_thread;
};

} // namespace testsupport
