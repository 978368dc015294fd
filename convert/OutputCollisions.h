#pragma once
// A batch of logs converted with one set of options: two logs whose outputs
// are the same file would overwrite each other, so such logs are refused.

#include <string>
#include <vector>

namespace zerb {

// For each output path, true when another path of the list names the same
// file: the same text once made absolute and normal, or the same existing
// file under another name.
std::vector<bool> CollidingOutputs(const std::vector<std::string>& outputs);

}  // namespace zerb
