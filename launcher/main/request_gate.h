// The main window's run and close requests and the close path's state.
// Until start-up (with it the history load) has finished, a run or close
// request only leaves its mark and is carried out afterwards, a close
// winning over a run, so that a run never saves a list that is not loaded
// yet.  A close request that arrives while the close path runs (during one
// of its questions) only ends its run loop.  Pure logic: the window asks
// the gate, then acts.
#pragma once

namespace vq {

class RequestGate {
  public:
    // The window's first showing: true once, and from then until
    // startup_done() requests are held.
    bool begin_startup();
    bool startup_begun() const { return started; }
    // What start-up's end releases: a held close, else a held run, else
    // nothing.
    enum class Held { none, close, run };
    Held startup_done();

    // A run request: false while it is held; otherwise the result value
    // becomes 1 and the window is to be closed.
    bool run();
    // A close request: false while it is held.  It gives up a wait.
    bool close();
    // Cancel: `cancelled` is set and the result value becomes 2; then a
    // close request.
    bool cancel();
    // Start-up's own result value (2 until a run request), which does not
    // overwrite a run request held meanwhile.
    void startup_result();
    // A start-up failure: the run goes no further.
    void fail() { cancelled = true; }
    bool is_cancelled() const { return cancelled; }
    bool runs_command() const;

    // A wait that the user may give up (a save waiting between attempts or
    // for the lock): begun with begin_wait(); a Cancel or close request
    // from then on gives it up.
    void begin_wait() { given_up = false; }
    bool wait_given_up() const { return given_up; }

    // The close handler: false when the close path already runs; the
    // request then only ends its run loop.
    bool enter_close_path();
    void leave_close_path() { closing = false; }
    // A close request arrived while the close path ran.
    bool stop_requested() const { return stoprun; }

    // The list was changed by hand (Delete), or Cancel is to keep the Edit
    // text ("Save anyway"): the cancel path asks whether to save.
    void mark_changed() { changed = true; }
    bool list_changed() const { return changed; }

  private:
    bool started = false;   // the first showing has run start-up
    bool starting = false;  // start-up runs: requests are held
    bool held_close = false;
    bool held_run = false;
    bool closing = false;    // the close path runs
    int modalresult = 0;     // the window result value: 1 runs the command at close, 2 does not
    bool stoprun = false;    // a close request arrived during the close path
    bool changed = false;    // the list was changed by hand
    bool cancelled = false;  // Cancel pressed, or start-up failed; never cleared
    bool given_up = false;   // a Cancel or close request since begin_wait()
};

}  // namespace vq
