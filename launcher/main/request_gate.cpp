#include "main/request_gate.h"

#include "window/result_codes.h"

namespace vq {

bool RequestGate::begin_startup() {
    if (started) return false;
    started = starting = true;
    return true;
}

RequestGate::Held RequestGate::startup_done() {
    starting = false;
    const Held h = held_close ? Held::close : held_run ? Held::run : Held::none;
    held_close = held_run = false;
    return h;
}

bool RequestGate::run() {
    if (!started || starting) {
        held_run = true;
        return false;
    }
    modalresult = mrOk;
    return true;
}

bool RequestGate::close() {
    given_up = true;
    if (!started || starting) {
        held_close = true;
        return false;
    }
    return true;
}

bool RequestGate::cancel() {
    cancelled = true;
    modalresult = mrCancel;
    return close();
}

void RequestGate::startup_result() {
    modalresult = mrCancel;
}

bool RequestGate::runs_command() const {
    return modalresult == mrOk;
}

bool RequestGate::enter_close_path() {
    if (closing) {
        stoprun = true;
        return false;
    }
    closing = true;
    stoprun = false;
    return true;
}

}  // namespace vq
