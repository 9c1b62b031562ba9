// The one kind of failure quorrel-cli reports: bad usage or unusable input.
#pragma once

#include <stdexcept>

namespace quorrel::cli {

// Thrown with a one-line message for standard error; the tool then ends with
// exit status 2 and writes nothing to standard output.
class Trouble : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace quorrel::cli
