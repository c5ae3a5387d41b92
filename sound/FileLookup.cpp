#include "sound/FileLookup.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace quorvan {
namespace {

std::filesystem::path& Folder() {
  static std::filesystem::path folder;
  return folder;
}

bool SameIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
           return std::tolower(x) == std::tolower(y);
         });
}

}  // namespace

const std::filesystem::path& AssetFolder() { return Folder(); }

void SetAssetFolder(std::filesystem::path folder) { Folder() = std::move(folder); }

std::filesystem::path FindIgnoringCase(const std::filesystem::path& folder,
                                       const std::string& name) {
  std::error_code error;
  if (folder.empty() || name.empty() || name.find('/') != std::string::npos) return {};
  const auto exact = folder / name;
  if (std::filesystem::is_regular_file(exact, error)) return exact;
  std::filesystem::directory_iterator it(folder, error);
  if (error) return {};
  for (const auto& entry : it) {
    if (SameIgnoringCase(entry.path().filename().string(), name) && entry.is_regular_file(error))
      return entry.path();
  }
  return {};
}

std::filesystem::path FindGameFile(const std::string& name) {
  std::error_code error;
  const auto here = std::filesystem::current_path(error);
  if (!error) {
    if (auto found = FindIgnoringCase(here, name); !found.empty()) return found;
  }
  return FindIgnoringCase(AssetFolder(), name);
}

}  // namespace quorvan
