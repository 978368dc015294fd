#pragma once
// The --help page: options grouped as the window groups its controls, every
// line within 80 columns.

namespace CLI {
class App;
}

namespace zerb {

// Puts each known option of `app` in its group, with a short value name and
// a description that fits beside it. Options it doesn't know stay as added.
void ArrangeHelp(CLI::App& app);

}  // namespace zerb
