// GoogleTest's port customisation for the win64 build of the export tests.
//
// The win32 thread model of mingw-w64 (gcc 12) has no std::mutex or std::condition_variable.
// GoogleTest uses them in one place only, its Notification class, which serves GoogleTest's own
// tests of its threading constructs. This header supplies that class without them: a flag that
// the waiting thread polls. Everything else of GoogleTest (its Win32 mutexes, death tests)
// stays as it is.
#ifndef PELLAN_MINGW_GTEST_CUSTOM_PORT_H_
#define PELLAN_MINGW_GTEST_CUSTOM_PORT_H_

#include <atomic>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing {
namespace internal {

class Notification {
public:
    Notification() : notified_(false) {}
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    void Notify() { notified_.store(true, std::memory_order_release); }
    void WaitForNotification() {
        while (!notified_.load(std::memory_order_acquire)) {
        }
    }

private:
    std::atomic<bool> notified_;
};

}  // namespace internal
}  // namespace testing

#endif  // PELLAN_MINGW_GTEST_CUSTOM_PORT_H_
