#pragma once
// The one error type of the program: every "error object carrying a message".
#include <stdexcept>
#include <string>

namespace vm {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace vm
