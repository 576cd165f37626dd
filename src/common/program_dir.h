#pragma once
#include <string>
#include <string_view>

namespace gears {

// Directory of the running executable, without a trailing separator
// (except for the root, "/").
std::string programDirectory();

// dir + "/" + name, adding the separator only when dir does not end in one.
std::string joinPath(std::string_view dir, std::string_view name);

}  // namespace gears
