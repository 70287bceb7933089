#include "shared/core/failure_message.h"

#include <new>
#include <stdexcept>

namespace ravelo {

FailureKind KindOfFailure(const std::exception_ptr& error) noexcept {
  try {
    if (error) std::rethrow_exception(error);
  } catch (const std::bad_alloc&) {
    return FailureKind::OutOfMemory;
  } catch (const std::length_error&) {
    return FailureKind::OutOfMemory;
  } catch (...) {
  }
  return FailureKind::Unexpected;
}

std::string FailureMessage(FailureKind kind, std::string_view programName) {
  std::string message(programName);
  message += kind == FailureKind::OutOfMemory ? " 内存不足,程序将关闭"
                                              : " 发生意外错误,程序将关闭";
  return message;
}

std::string StartUpFailureMessage(std::string_view programName, std::string_view reason) {
  std::string message(programName);
  message.append(" 无法启动:").append(reason);
  return message;
}

}  // namespace ravelo
