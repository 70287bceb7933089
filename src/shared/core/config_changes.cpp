#include "shared/core/config_changes.h"

#include <algorithm>

namespace ravelo {
namespace {

const FieldValue* Find(const std::vector<FieldValue>& fields, ConfigKey key) {
  const auto found = std::find_if(fields.begin(), fields.end(), [key](const FieldValue& f) { return f.key == key; });
  return found == fields.end() ? nullptr : &*found;
}

bool Differs(const std::vector<FieldValue>& stored, const FieldValue& value) {
  const FieldValue* before = Find(stored, value.key);
  return before == nullptr || before->field != value.field;
}

}  // namespace

std::vector<FieldValue> ChangedFields(const std::optional<std::vector<FieldValue>>& stored,
                                      std::span<const FieldValue> current) {
  if (!stored) return {current.begin(), current.end()};
  const bool positionsChanged = std::any_of(current.begin(), current.end(), [&](const FieldValue& value) {
    return IsPositionKey(value.key) && Differs(*stored, value);
  });
  std::vector<FieldValue> changed;
  for (const FieldValue& value : current) {
    if (IsPositionKey(value.key) ? positionsChanged : Differs(*stored, value)) changed.push_back(value);
  }
  return changed;
}

std::vector<ProfileWrite> ProfileWritesOf(std::span<const FieldValue> fields) {
  std::vector<ProfileWrite> writes;
  writes.reserve(fields.size());
  for (const FieldValue& value : fields) {
    const ConfigKeySpec& key = SpecOf(value.key);
    writes.push_back({key.section, key.writtenKey, value.field});
  }
  return writes;
}

}  // namespace ravelo
