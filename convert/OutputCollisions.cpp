#include "convert/OutputCollisions.h"

#include <filesystem>

#include "convert/Paths.h"

namespace zerb {

namespace {

std::string NormalPath(const std::string& path) {
  std::error_code ec;
  const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
  return ec ? path : absolute.lexically_normal().string();
}

}  // namespace

std::vector<bool> CollidingOutputs(const std::vector<std::string>& outputs) {
  std::vector<std::string> normal;
  for (const std::string& path : outputs) normal.push_back(NormalPath(path));
  std::vector<bool> colliding(outputs.size(), false);
  for (std::size_t i = 0; i < outputs.size(); ++i) {
    for (std::size_t j = i + 1; j < outputs.size(); ++j) {
      if (normal[i] == normal[j] || SameFile(outputs[i], outputs[j])) colliding[i] = colliding[j] = true;
    }
  }
  return colliding;
}

}  // namespace zerb
