// The configuration file's private-profile (INI) access, with the observable
// behaviour of the platform's GetPrivateProfileStringA and
// WritePrivateProfileStringA: GBK bytes in the file, UTF-8 at this interface.
//
// Reading: section and key names match without regard to case, spaces
// around them ignored; the first of duplicate keys wins, and a repeated
// section name hides the keys of its later copies; the value is trimmed of
// spaces and tabs, loses a matching pair of " or ' around it, and is cut to
// at most bufferBytes - 1 bytes of GBK without splitting a character. A
// missing file, section or key reads as the empty text.
//
// Writing: an existing key's value is replaced, a new key goes at the end of
// its section and a new section at the end of the file; every other line
// stays as it was, in order, with CR LF line ends. The file keeps its
// encoding (GBK, or UTF-8 or UTF-16 of either byte order when it starts with
// that byte order mark) and is
// replaced atomically, so a failed write leaves the old file intact.
#pragma once

#include <cstddef>
#include "shared/core/file_system.h"
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ravelo {

// One parse of a profile file, for reading many keys with one file read.
class ProfileReader {
 public:
  // Reads the file once; a missing or unreadable file gives an empty reader.
  static ProfileReader Open(const FilePath& file);
  // A reader over file bytes already in memory (GBK, or UTF-8 or UTF-16 with BOM).
  static ProfileReader FromBytes(std::string_view fileBytes);

  bool FileExists() const { return exists_; }

  // The value as the platform read with a buffer of bufferBytes returns it,
  // in UTF-8; empty when missing or when bufferBytes is 0 or 1.
  std::string Read(std::string_view section, std::string_view key, size_t bufferBytes) const;

 private:
  struct Key {
    std::string name;   // trimmed, UTF-8
    std::string value;  // trimmed, UTF-8
    bool hasValue = false;
  };
  struct Section {
    std::string name;  // UTF-8; empty for the lines before the first section
    std::vector<Key> keys;
  };
  std::vector<Section> sections_;  // file order, repeated names included
  bool exists_ = false;
};

// One-shot write; false when the file could not be written. (Not named
// WriteProfileString: <windows.h> defines that name as a macro.)
bool WriteProfileValue(const FilePath& file, std::string_view section, std::string_view key,
                        std::string_view valueUtf8);

// Several writes applied to the file's text in order, stored with one atomic
// replace: either all of them reach the file or none.
struct ProfileWrite {
  std::string_view section;
  std::string_view key;
  std::string_view valueUtf8;
};
bool WriteProfileValues(const FilePath& file, std::span<const ProfileWrite> writes);

// The pure text edit behind the writes, on file bytes (empty for a new file):
// returns the new file bytes.
std::string ApplyProfileWrite(std::string_view fileBytes, std::string_view section, std::string_view key,
                              std::string_view valueUtf8);

}  // namespace ravelo
