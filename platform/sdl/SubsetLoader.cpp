#include "platform/sdl/SubsetLoader.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>

namespace quorvan {
namespace {

constexpr const char* kNamePrefix = "subset of ";

std::mutex named_mutex;
std::map<std::string, const SoundFontSubset*> named;  // the subsets alive

struct Reader {
  const SoundFontSubset* subset;
  std::FILE* file;
  std::uint64_t at = 0;
};

extern "C" void* OpenSubset(const char* name) {
  const SoundFontSubset* subset = nullptr;
  {
    std::lock_guard lock(named_mutex);
    const auto found = named.find(name);
    if (found == named.end()) return nullptr;
    subset = found->second;
  }
  std::FILE* file = std::fopen(subset->file.c_str(), "rb");
  if (file == nullptr) return nullptr;
  return new Reader{subset, file};
}

// From the head, the soundfont's samples or the presets, wherever `at` is.
bool ReadPart(Reader& r, unsigned char* into, std::uint64_t count) {
  const SoundFontSubset& s = *r.subset;
  const std::uint64_t head = s.head.size();
  const std::uint64_t presets = head + s.samplesSize;
  if (r.at < head) {
    const std::uint64_t n = std::min(count, head - r.at);
    std::memcpy(into, s.head.data() + r.at, n);
    r.at += n;
    return n == count || ReadPart(r, into + n, count - n);
  }
  if (r.at < presets) {
    const std::uint64_t n = std::min(count, presets - r.at);
    if (std::fseek(r.file, static_cast<long>(s.samplesAt + (r.at - head)), SEEK_SET) != 0 ||
        std::fread(into, 1, n, r.file) != n) {
      return false;
    }
    r.at += n;
    return n == count || ReadPart(r, into + n, count - n);
  }
  if (count > s.Size() - std::min(r.at, s.Size())) return false;
  std::memcpy(into, s.presets.data() + (r.at - presets), count);
  r.at += count;
  return true;
}

extern "C" int ReadSubset(void* into, fluid_long_long_t count, void* handle) {
  if (count < 0) return FLUID_FAILED;
  auto& reader = *static_cast<Reader*>(handle);
  return ReadPart(reader, static_cast<unsigned char*>(into), static_cast<std::uint64_t>(count))
             ? FLUID_OK
             : FLUID_FAILED;
}

extern "C" int SeekSubset(void* handle, fluid_long_long_t offset, int origin) {
  auto& reader = *static_cast<Reader*>(handle);
  const auto size = static_cast<fluid_long_long_t>(reader.subset->Size());
  fluid_long_long_t base = 0;
  if (origin == SEEK_CUR) base = static_cast<fluid_long_long_t>(reader.at);
  if (origin == SEEK_END) base = size;
  const fluid_long_long_t to = base + offset;
  if (to < 0 || to > size) return FLUID_FAILED;
  reader.at = static_cast<std::uint64_t>(to);
  return FLUID_OK;
}

extern "C" fluid_long_long_t TellSubset(void* handle) {
  return static_cast<fluid_long_long_t>(static_cast<Reader*>(handle)->at);
}

extern "C" int CloseSubset(void* handle) {
  auto* reader = static_cast<Reader*>(handle);
  std::fclose(reader->file);
  delete reader;
  return FLUID_OK;
}

}  // namespace

void AddSubsetLoader(fluid_settings_t* settings, fluid_synth_t* synth) {
  fluid_sfloader_t* loader = new_fluid_defsfloader(settings);
  if (loader == nullptr) return;
  fluid_sfloader_set_callbacks(loader, &OpenSubset, &ReadSubset, &SeekSubset, &TellSubset,
                               &CloseSubset);
  fluid_synth_add_sfloader(synth, loader);
}

NamedSubset::NamedSubset(SoundFontSubset subset) : subset_(std::move(subset)) {
  char address[32];
  std::snprintf(address, sizeof address, "%p", static_cast<const void*>(&subset_));
  name_ = std::string(kNamePrefix) + subset_.file.string() + " at " + address;
  std::lock_guard lock(named_mutex);
  named[name_] = &subset_;
}

NamedSubset::~NamedSubset() {
  std::lock_guard lock(named_mutex);
  named.erase(name_);
}

}  // namespace quorvan
