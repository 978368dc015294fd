#pragma once
// Element names for the XML writer, made from device names.

#include <string>
#include <string_view>

namespace zerb {

// "/" becomes "-"; then every byte other than ASCII letters, digits, "-",
// "_" and "." becomes "_"; a name that is then empty or starts with a digit,
// "-" or "." gets a leading "_". A valid name comes back as it was, apart
// from the "/" rule (SENSOR3/3 gives SENSOR3-3).
std::string XmlElementName(std::string_view deviceName);

}  // namespace zerb
