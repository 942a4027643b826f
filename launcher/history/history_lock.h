// The lock that orders every change of one history file between the
// launchers and imports that run at the same time: a file beside the
// history ("vq.txt.lock") held open exclusively.  The system closes the
// handle of a process that dies, so a killed holder never blocks the next
// run, and the file goes away with the last handle.
#pragma once

#include <functional>
#include <string>

namespace vq {

class HistoryLock {
  public:
    // Called once when the wait has lasted a moment (`waiting_after_ms`),
    // so that the waiter can say what it waits for.
    using Waiting = std::function<void()>;
    // Passes the time between two tries (`ms` milliseconds), for a waiter
    // whose window must go on answering; false when its user gives up the
    // wait.  Without one the thread sleeps.
    using Pause = std::function<bool(unsigned ms)>;

    // Waits for the lock while another process holds it, trying again
    // every 15 ms: as long as it takes, or up to `wait_ms`, or until
    // `pause` gives up.  When the lock file cannot be made at all (a
    // directory that is not there or not writable), or what stands in its
    // place no holder will ever let go of (a directory, a read-only file),
    // no lock can be had: it gives up at once and the caller goes on
    // without it.  Long names work (file_api_name).
    explicit HistoryLock(const std::string& history, unsigned wait_ms = forever, const Waiting& waiting = {},
                         const Pause& pause = {});
    ~HistoryLock();
    HistoryLock(const HistoryLock&) = delete;
    HistoryLock& operator=(const HistoryLock&) = delete;

    bool held() const { return handle_ != nullptr; }
    // True when another process held the lock for the whole wait.
    bool timed_out() const { return timed_out_; }
    // True when the waiter gave up the wait (`pause` said so).
    bool given_up() const { return given_up_; }

    static constexpr unsigned forever = 0xFFFFFFFF;
    static constexpr unsigned waiting_after_ms = 300;

  private:
    void* handle_ = nullptr;
    bool timed_out_ = false;
    bool given_up_ = false;
};

// The lock file of a history file.
std::string history_lock_path(const std::string& history);
// What a launcher that waits for the lock shows in its status label.
std::string history_lock_wait_text(const std::string& history);

}  // namespace vq
