// What a program tells the operator when it has to end: out of memory, an
// unexpected error, or a start-up that could not finish. Each message names
// the program, so that the operator knows which of the suite's programs ended.
#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace ravelo {

enum class FailureKind { OutOfMemory, Unexpected };

// The kind of failure an exception stands for: memory ran out (or a text or
// list grew beyond what can be held, as a huge name list does) or anything else.
FailureKind KindOfFailure(const std::exception_ptr& error) noexcept;

// The message (UTF-8) for a failure that ends programName ("rvo.exe").
std::string FailureMessage(FailureKind kind, std::string_view programName);

// The message (UTF-8) for a start-up that failed because of reason.
std::string StartUpFailureMessage(std::string_view programName, std::string_view reason);

}  // namespace ravelo
