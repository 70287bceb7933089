#include "bench/process.h"

#include "bench/process_info.h"
#include "bench/text.h"

namespace ravelo::e2e {
namespace {

std::string LastErrorText() { return "error " + std::to_string(GetLastError()); }

// A job that ends its processes when its last handle closes. On Windows the
// processes a member starts join the job; Wine 8 leaves them out, which is
// why Kill also ends the tree it finds through Toolhelp.
UniqueHandle CreateKillOnCloseJob() {
  UniqueHandle job(CreateJobObjectW(nullptr, nullptr));
  if (!job) return job;
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  SetInformationJobObject(job.Get(), JobObjectExtendedLimitInformation, &limits, sizeof limits);
  return job;
}

}  // namespace

Process::Process(UniqueHandle process, UniqueHandle job, DWORD id, std::wstring imageName)
    : process_(std::move(process)), job_(std::move(job)), id_(id), imageName_(std::move(imageName)) {}

Process Process::Start(const std::wstring& program, const std::wstring& arguments,
                       const std::wstring& workingFolder) {
  std::wstring commandLine = L"\"" + program + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                      CREATE_SUSPENDED, nullptr,
                      workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup, &info))
    throw BenchError("cannot start " + ToUtf8(program) + " (" + LastErrorText() + ")");
  UniqueHandle process(info.hProcess);
  UniqueHandle thread(info.hThread);
  UniqueHandle job = CreateKillOnCloseJob();
  // Without a job (the test program itself may sit in one that forbids
  // nesting) Kill still ends the started tree through Toolhelp.
  if (job && !AssignProcessToJobObject(job.Get(), process.Get())) job.Reset();
  ResumeThread(thread.Get());
  return Process(std::move(process), std::move(job), info.dwProcessId, FileNameOf(program));
}

Process Process::Attach(DWORD processId) {
  UniqueHandle process(
      OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
  if (!process) throw BenchError("cannot open process " + std::to_string(processId) + " (" + LastErrorText() + ")");
  return Process(std::move(process), UniqueHandle(), processId, FileNameOf(ImagePathOf(processId)));
}

Process& Process::operator=(Process&& other) noexcept {
  if (this != &other) {
    Kill();
    process_ = std::move(other.process_);
    job_ = std::move(other.job_);
    id_ = std::exchange(other.id_, 0);
    imageName_ = std::move(other.imageName_);
  }
  return *this;
}

Process::~Process() { Kill(); }

bool Process::IsRunning() const { return process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT; }

bool Process::WaitForExit(Milliseconds timeout) const {
  return !process_ || WaitForSingleObject(process_.Get(), static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

DWORD Process::ExpectExit(Milliseconds timeout) const {
  if (!WaitForExit(timeout)) FailWait(Describe() + " did not exit", timeout);
  return ExitCode().value_or(0);
}

std::optional<DWORD> Process::ExitCode() const {
  DWORD code = 0;
  if (!process_ || IsRunning() || !GetExitCodeProcess(process_.Get(), &code)) return std::nullopt;
  return code;
}

std::vector<DWORD> Process::Descendants() const { return id_ ? DescendantsOf(id_) : std::vector<DWORD>{}; }

void Process::Kill() {
  if (!process_) return;
  // The tree is read first: once the root has ended, Wine no longer lists
  // its children under it.
  const std::vector<DWORD> started = Descendants();
  if (job_) TerminateJobObject(job_.Get(), 1);
  if (IsRunning()) {
    TerminateProcess(process_.Get(), 1);
    WaitForSingleObject(process_.Get(), 5000);
  }
  for (DWORD id : started) TerminateProcessById(id);
  job_.Reset();
}

std::vector<Window> Process::Windows(WindowQuery query) const {
  query.processId = id_;
  return FindWindows(query);
}

std::optional<Window> Process::FindOneWindow(WindowQuery query) const {
  query.processId = id_;
  return e2e::FindOneWindow(query);
}

Window Process::WaitForWindow(WindowQuery query, Milliseconds timeout) const {
  query.processId = id_;
  std::optional<Window> found;
  bool ended = false;
  const bool done = PollUntil(
      [&] {
        ended = !IsRunning();  // read first: a window found after the end is gone
        found = e2e::FindOneWindow(query);
        return found.has_value() || ended;
      },
      timeout);
  if (found) return *found;
  if (done && ended) {
    const auto code = ExitCode();
    WindowQuery awaited = query;
    awaited.processId.reset();
    FailNow(Describe() + " exited with code " + (code ? std::to_string(*code) : std::string("?")) +
            " before showing a " + awaited.Describe());
  }
  FailWait(DescribeMissingWindow(query), timeout);
}

std::optional<MessageBoxWindow> Process::FindMessageBox(const std::optional<std::wstring>& title) const {
  if (auto w = FindOneWindow({.className = L"#32770", .text = title})) return MessageBoxWindow(*w);
  return std::nullopt;
}

MessageBoxWindow Process::WaitForMessageBox(const std::optional<std::wstring>& title, Milliseconds timeout) const {
  return MessageBoxWindow(WaitForWindow({.className = L"#32770", .text = title}, timeout));
}

std::string Process::Describe() const { return ToUtf8(imageName_) + " (pid " + std::to_string(id_) + ")"; }

}  // namespace ravelo::e2e
