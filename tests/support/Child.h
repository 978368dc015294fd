#pragma once
// Work done in a forked child of the test, for what a test process must
// not do to itself (drop its capabilities, limit its file sizes).

#include <functional>
#include <string>

namespace zerb::test {

// Runs `work` in a child and returns the text it returned, or why there
// is none. The child ends with exit(), so a coverage build keeps its counts.
std::string InChild(const std::function<std::string()>& work);

// `check` in a child that keeps its user but drops every capability, so
// that root's permission checks apply to it as to an ordinary user.
std::string WithoutCapabilities(const std::function<std::string()>& check);

// `work` in a child whose files may hold at most `bytes` (writes past that
// fail with EFBIG, as on a full disk). The limit is lifted before the child
// ends, so the coverage counts it writes at exit are whole.
std::string WithFileSizeLimit(unsigned long bytes, const std::function<std::string()>& work);

}  // namespace zerb::test
