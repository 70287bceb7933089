// Reading a roster file for an import, with the reasons the operator can act
// on: another program holds it (named when the system's Restart Manager can
// tell which), no access, too large.
#pragma once

#include <optional>
#include <string>

namespace ravelo::win::config {

struct RosterFileRead {
  std::optional<std::string> bytes;
  std::wstring problem;  // what to tell the operator when there are no bytes
};

RosterFileRead ReadRosterFile(const std::wstring& path);

}  // namespace ravelo::win::config
