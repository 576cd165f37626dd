#include "common/program_dir.h"

#include <unistd.h>

#include <string>

namespace gears {

std::string programDirectory() {
  std::string path(256, '\0');
  for (;;) {
    const ssize_t n = ::readlink("/proc/self/exe", path.data(), path.size());
    if (n < 0) return ".";  // no /proc: fall back on the working directory
    if (static_cast<std::size_t>(n) < path.size()) {
      path.resize(static_cast<std::size_t>(n));
      break;
    }
    path.resize(path.size() * 2);  // may have been truncated
  }
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  path.resize(slash);
  return path;
}

std::string joinPath(std::string_view dir, std::string_view name) {
  std::string path(dir);
  // An empty directory stays relative instead of pointing at the root.
  if (!path.empty() && path.back() != '/') path.push_back('/');
  path += name;
  return path;
}

}  // namespace gears
