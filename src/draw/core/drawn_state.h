// The names already drawn in a list's no-repeat round, kept in the data
// folder (drawn\<list>.txt) so that a round goes on after rvo restarts.
//
// The file holds names, not positions, so that a list edited between two runs
// still means the same people: a drawn name no longer in the list is
// forgotten, a name added since is in the pool, and a name on several lines
// counts as often as it was drawn (the names match as a multiset). UTF-8,
// CR LF: a first line "Ravelo drawn names <count>", then one drawn name per
// line. A file whose first line or count does not match, or that is not
// UTF-8, is damaged: the round starts again.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "draw/core/draw_pool.h"
#include "draw/core/name_list.h"

namespace ravelo::draw {

// Warning when the file of the list's round cannot be read or is damaged.
std::string DrawnStateDamagedMessage(std::string_view listTitle);

// The file's bytes for the names of the list that are out of the pool.
std::string DrawnStateText(const NameList& names, const DrawPool& pool);

// The indices of the list's names drawn in the round the file holds (each
// name as often as the file lists it, at most as often as the list does),
// ascending; nullopt when the file is damaged.
std::optional<std::vector<std::size_t>> DrawnIndicesFromState(std::string_view bytes, const NameList& names);

}  // namespace ravelo::draw
