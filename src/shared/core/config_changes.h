// What a window's save stores. rvo, rvocfg and rvostyle may be open at the
// same time, each with the values it read at its start: a save stores only
// the values the operator set in that window, and every other key stays as
// the file holds it at the moment of saving (another program may have saved
// it meanwhile). A value set in the window is stored even when the file
// changed since: the last save of a value wins.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "shared/core/config_schema.h"
#include "shared/core/ini_file.h"

namespace ravelo {

// One key as a window would store it: the field, padded to its width (UTF-8).
struct FieldValue {
  ConfigKey key;
  std::string field;
  friend bool operator==(const FieldValue&, const FieldValue&) = default;
};

// The fields of `current` whose text differs from the same key's field in
// `stored` (what the window loaded, or stored last), in current's order. A
// key stored has no say about the others; the four label positions go
// together: when one of them differs, all four of current are taken. Without
// a stored state (the file was missing) every field of current is taken.
std::vector<FieldValue> ChangedFields(const std::optional<std::vector<FieldValue>>& stored,
                                      std::span<const FieldValue> current);

// The profile writes of these fields, under their sections and the key names
// writers use. The writes point into `fields`, which must outlive them.
std::vector<ProfileWrite> ProfileWritesOf(std::span<const FieldValue> fields);

}  // namespace ravelo
