// Host stand-ins for rovik's operations that work through system calls
// (files, directories, dates, the console): each records that it was
// called and with what, writes one line naming itself and succeeds.
#pragma once

#include <optional>

#include "operations.h"

namespace rovik::host {

struct OperationCall {
    Operation operation;
    OpCall call;
};

// The stand-in called last, if any since the last forget().
const std::optional<OperationCall>& lastStandIn();
void forget();

}  // namespace rovik::host
