// The lock that orders every change of one history file between the
// launchers and imports that run at the same time: a file beside the
// history ("vq.txt.lock") held open exclusively.  The system closes the
// handle of a process that dies, so a killed holder never blocks the next
// run, and the file goes away with the last handle.
#pragma once

#include <string>

namespace vq {

class HistoryLock {
  public:
    // Waits up to `wait_ms` for the lock, trying again every 15 ms while
    // another process holds it.  When the lock file cannot be made at all
    // (a directory that is not there or not writable), or the wait runs
    // out, the lock is not held and the caller goes on without it.
    explicit HistoryLock(const std::string& history, unsigned wait_ms = default_wait_ms);
    ~HistoryLock();
    HistoryLock(const HistoryLock&) = delete;
    HistoryLock& operator=(const HistoryLock&) = delete;

    bool held() const { return handle_ != nullptr; }
    // True when another process held the lock for the whole wait.
    bool timed_out() const { return timed_out_; }

    static constexpr unsigned default_wait_ms = 5000;

  private:
    void* handle_ = nullptr;
    bool timed_out_ = false;
};

// The lock file of a history file.
std::string history_lock_path(const std::string& history);

}  // namespace vq
