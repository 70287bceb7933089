// A program started (or adopted) by a test. It is ended when the Process goes
// out of scope, together with every process it started, so a failing test
// leaves nothing running.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "bench/handles.h"
#include "bench/message_box.h"
#include "bench/wait.h"
#include "bench/window.h"

namespace ravelo::e2e {

class Process {
 public:
  // Starts program (a full path) with CreateProcessW in a normal window, in
  // a job object so that what it starts is ended with it. workingFolder
  // empty keeps the test program's.
  static Process Start(const std::wstring& program, const std::wstring& arguments = {},
                       const std::wstring& workingFolder = {});
  // Takes charge of a process started by another one (rvo starting rvocfg),
  // to wait for it and to end it with this object.
  static Process Attach(DWORD processId);

  Process(Process&&) noexcept = default;
  Process& operator=(Process&& other) noexcept;
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  ~Process();

  DWORD Id() const { return id_; }
  HANDLE Handle() const { return process_.Get(); }
  const std::wstring& ImageName() const { return imageName_; }  // e.g. L"rvo.exe"

  bool IsRunning() const;
  // True when it has ended within the timeout.
  bool WaitForExit(Milliseconds timeout = kDefaultTimeout) const;
  // Waits for the end and returns the exit code; throws TimeoutError
  // ("rvo.exe (pid 12) did not exit within 5000 ms") when it keeps running.
  DWORD ExpectExit(Milliseconds timeout = kDefaultTimeout) const;
  std::optional<DWORD> ExitCode() const;  // empty while running
  // Ends it and everything it started (the job, then the Toolhelp tree).
  void Kill();
  // The processes it started, directly or through others, still running.
  std::vector<DWORD> Descendants() const;

  // Its top-level windows; the query's processId is set to this process.
  // The waits fail at once when the program ends before the window shows
  // ("rvo.exe (pid 12) exited with code 3 before showing a visible window
  // of class ...").
  std::vector<Window> Windows(WindowQuery query = {}) const;
  std::optional<Window> FindOneWindow(WindowQuery query) const;
  Window WaitForWindow(WindowQuery query = {}, Milliseconds timeout = kDefaultTimeout) const;
  std::optional<MessageBoxWindow> FindMessageBox(const std::optional<std::wstring>& title = std::nullopt) const;
  MessageBoxWindow WaitForMessageBox(const std::optional<std::wstring>& title = std::nullopt,
                                     Milliseconds timeout = kDefaultTimeout) const;

  // "rvo.exe (pid 12)"
  std::string Describe() const;

 private:
  Process(UniqueHandle process, UniqueHandle job, DWORD id, std::wstring imageName);

  UniqueHandle process_;
  UniqueHandle job_;
  DWORD id_ = 0;
  std::wstring imageName_;
};

}  // namespace ravelo::e2e
