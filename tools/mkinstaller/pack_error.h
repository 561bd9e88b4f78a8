#pragma once

#include <stdexcept>

// A failure of the packer that ends the command: its text names the culprit and is shown as it is.
struct PackError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
