#pragma once
// A count and its noun as messages write them: "1 gap", "2 gaps",
// "0 entries".

#include <cstdint>
#include <string>
#include <string_view>

namespace zerb {

// `many` is the plural when it is not `one` with an "s".
std::string Counted(uint64_t count, std::string_view one, std::string_view many = {});

}  // namespace zerb
