#include "platform/sdl/SoundFontSubset.h"

#include <array>
#include <cstring>
#include <fstream>
#include <vector>

namespace quorvan {
namespace {

// ---- the piece ----

std::uint32_t BigEndian(const Bytes& data, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = 0; i < count; ++i) value = (value << 8) | data[at + static_cast<std::size_t>(i)];
  return value;
}

bool ReadVariableLength(const Bytes& data, std::size_t& at, std::size_t end, std::size_t& value) {
  value = 0;
  for (int i = 0; i < 4; ++i) {
    if (at >= end) return false;
    const unsigned char byte = data[at++];
    value = (value << 7) | (byte & 0x7Fu);
    if ((byte & 0x80u) == 0) return true;
  }
  return false;
}

constexpr unsigned char kMeta = 0xFF;
constexpr unsigned char kSysEx = 0xF0;
constexpr unsigned char kSysExContinued = 0xF7;
constexpr unsigned kProgramChange = 0xC0;
constexpr unsigned kChannelPressure = 0xD0;

// Follows one track's events; false when they do not add up.
bool FindPrograms(const Bytes& data, std::size_t at, std::size_t end, Programs& found) {
  unsigned status = 0;
  while (at < end) {
    std::size_t length = 0;
    if (!ReadVariableLength(data, at, end, length) || at >= end) return false;  // the delta
    const unsigned char byte = data[at];
    if (byte == kMeta || byte == kSysEx || byte == kSysExContinued) {
      at += byte == kMeta ? 2 : 1;
      if (at > end || !ReadVariableLength(data, at, end, length) || length > end - at) return false;
      at += length;
      continue;
    }
    if ((byte & 0x80u) != 0) {
      status = byte;
      ++at;
    }
    if (status < 0x80 || status >= kSysEx) return false;
    const unsigned kind = status & 0xF0u;
    const std::size_t dataBytes = kind == kProgramChange || kind == kChannelPressure ? 1 : 2;
    if (end - at < dataBytes) return false;
    if (kind == kProgramChange) found.set(data[at] & 0x7Fu);
    at += dataBytes;
  }
  return true;
}

// ---- the soundfont ----

std::uint32_t Little(const unsigned char* at, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = (value << 8) | at[i];
  return value;
}

void PutLittle(unsigned char* at, std::uint32_t value, int count) {
  for (int i = 0; i < count; ++i) at[i] = static_cast<unsigned char>(value >> (8 * i));
}

constexpr std::size_t kChunkHeader = 8;
constexpr std::size_t kListHeader = 12;
// Larger information or preset chunks than these are not followed.
constexpr std::uint64_t kLargestHead = std::uint64_t{1} << 20;
constexpr std::uint64_t kLargestPresets = std::uint64_t{16} << 20;

// One record table of the preset chunk, in the order the format fixes.
struct Table {
  const char* tag;
  std::size_t recordSize;
  const unsigned char* data = nullptr;
  std::size_t count = 0;

  const unsigned char* Record(std::size_t i) const { return data + i * recordSize; }
  // The 16-bit index at `offset` of record `i`.
  std::size_t Index(std::size_t i, std::size_t offset) const {
    return Little(Record(i) + offset, 2);
  }
};

enum TableIndex { Phdr, Pbag, Pmod, Pgen, Inst, Ibag, Imod, Igen, Shdr, TableCount };

constexpr std::size_t kPresetBag = 24;      // in a preset header
constexpr std::size_t kPresetProgram = 20;  // in a preset header
constexpr std::size_t kInstrumentBag = 20;  // in an instrument header
constexpr std::size_t kBagGenerator = 0;
constexpr std::size_t kBagModulator = 2;
constexpr std::uint32_t kInstrumentGenerator = 41;
constexpr std::size_t kModulatorSize = 10;
constexpr std::size_t kGeneratorSize = 4;

std::array<Table, TableCount> EmptyTables() {
  return {{{"phdr", 38},
           {"pbag", 4},
           {"pmod", kModulatorSize},
           {"pgen", kGeneratorSize},
           {"inst", 22},
           {"ibag", 4},
           {"imod", kModulatorSize},
           {"igen", kGeneratorSize},
           {"shdr", 46}}};
}

bool ReadTables(const Bytes& chunk, std::array<Table, TableCount>& tables) {
  std::size_t at = 0;
  for (Table& table : tables) {
    if (chunk.size() - at < kChunkHeader || std::memcmp(chunk.data() + at, table.tag, 4) != 0) {
      return false;
    }
    const std::size_t size = Little(chunk.data() + at + 4, 4);
    at += kChunkHeader;
    if (size > chunk.size() - at || size % table.recordSize != 0) return false;
    table.data = chunk.data() + at;
    table.count = size / table.recordSize;
    // Each table ends in a record that only closes the one before.
    if (table.count < 1) return false;
    at += size;
  }
  return true;
}

// The headers' bag indices, and the bags' generator and modulator indices,
// must climb and stay within their tables.
bool Climbs(const Table& headers, std::size_t offset, const Table& items) {
  for (std::size_t i = 0; i + 1 < headers.count; ++i) {
    if (headers.Index(i, offset) > headers.Index(i + 1, offset)) return false;
  }
  return headers.Index(headers.count - 1, offset) < items.count;
}

bool Sane(const std::array<Table, TableCount>& t) {
  return Climbs(t[Phdr], kPresetBag, t[Pbag]) && Climbs(t[Pbag], kBagGenerator, t[Pgen]) &&
         Climbs(t[Pbag], kBagModulator, t[Pmod]) && Climbs(t[Inst], kInstrumentBag, t[Ibag]) &&
         Climbs(t[Ibag], kBagGenerator, t[Igen]) && Climbs(t[Ibag], kBagModulator, t[Imod]);
}

// A header table with its bags, generators and modulators, being copied.
struct Copy {
  Bytes headers, bags, modulators, generators;

  void Append(Bytes& to, const unsigned char* record, std::size_t size) {
    to.insert(to.end(), record, record + size);
  }

  // Header `i` of `h` with everything under it; a generator naming an
  // instrument takes that instrument's new number.
  void Item(const Table& h, std::size_t bagOffset, std::size_t i, const Table& bag,
            const Table& mod, const Table& gen, const std::vector<int>* instruments) {
    AppendIndexed(headers, h, i, bagOffset, bags.size() / bag.recordSize);
    for (std::size_t b = h.Index(i, bagOffset); b < h.Index(i + 1, bagOffset); ++b) {
      Bag(bag, b);
      for (std::size_t m = bag.Index(b, kBagModulator); m < bag.Index(b + 1, kBagModulator); ++m) {
        Append(modulators, mod.Record(m), mod.recordSize);
      }
      for (std::size_t g = bag.Index(b, kBagGenerator); g < bag.Index(b + 1, kBagGenerator); ++g) {
        Append(generators, gen.Record(g), gen.recordSize);
        if (instruments && Little(gen.Record(g), 2) == kInstrumentGenerator) {
          const std::size_t old = Little(gen.Record(g) + 2, 2);
          PutLittle(generators.data() + generators.size() - 2,
                    static_cast<std::uint32_t>((*instruments)[old]), 2);
        }
      }
    }
  }

  // The closing records, pointing past everything copied.
  void Close(const Table& h, std::size_t bagOffset, const Table& bag, const Table& mod,
             const Table& gen) {
    AppendIndexed(headers, h, h.count - 1, bagOffset, bags.size() / bag.recordSize);
    Bag(bag, bag.count - 1);
    Append(modulators, mod.Record(mod.count - 1), mod.recordSize);
    Append(generators, gen.Record(gen.count - 1), gen.recordSize);
  }

  void Bag(const Table& bag, std::size_t b) {
    const std::size_t at = bags.size();
    Append(bags, bag.Record(b), bag.recordSize);
    PutLittle(bags.data() + at + kBagGenerator,
              static_cast<std::uint32_t>(generators.size() / kGeneratorSize), 2);
    PutLittle(bags.data() + at + kBagModulator,
              static_cast<std::uint32_t>(modulators.size() / kModulatorSize), 2);
  }

  void AppendIndexed(Bytes& to, const Table& t, std::size_t i, std::size_t offset,
                     std::size_t value) {
    const std::size_t at = to.size();
    Append(to, t.Record(i), t.recordSize);
    PutLittle(to.data() + at + offset, static_cast<std::uint32_t>(value), 2);
  }
};

void AppendChunk(Bytes& to, const char* tag, const Bytes& data) {
  to.insert(to.end(), tag, tag + 4);
  const std::size_t at = to.size();
  to.resize(at + 4);
  PutLittle(to.data() + at, static_cast<std::uint32_t>(data.size()), 4);
  to.insert(to.end(), data.begin(), data.end());
}

std::optional<Bytes> SubsetPresets(const Bytes& chunk, const Programs& programs) {
  auto t = EmptyTables();
  if (!ReadTables(chunk, t) || !Sane(t)) return std::nullopt;
  const std::size_t presets = t[Phdr].count - 1;
  const std::size_t instruments = t[Inst].count - 1;
  std::vector<bool> keep(presets);
  std::vector<int> renumbered(instruments, -1);
  for (std::size_t p = 0; p < presets; ++p) {
    const std::size_t program = t[Phdr].Index(p, kPresetProgram);
    keep[p] = program < kMidiPrograms && programs.test(program);
    if (!keep[p]) continue;
    for (std::size_t b = t[Phdr].Index(p, kPresetBag); b < t[Phdr].Index(p + 1, kPresetBag); ++b) {
      for (std::size_t g = t[Pbag].Index(b, kBagGenerator); g < t[Pbag].Index(b + 1, kBagGenerator);
           ++g) {
        if (Little(t[Pgen].Record(g), 2) != kInstrumentGenerator) continue;
        const std::size_t instrument = Little(t[Pgen].Record(g) + 2, 2);
        if (instrument >= instruments) return std::nullopt;
        renumbered[instrument] = 0;
      }
    }
  }
  int next = 0;
  for (int& number : renumbered) {
    if (number == 0) number = next++;
  }

  Copy p;
  for (std::size_t i = 0; i < presets; ++i) {
    if (keep[i]) p.Item(t[Phdr], kPresetBag, i, t[Pbag], t[Pmod], t[Pgen], &renumbered);
  }
  p.Close(t[Phdr], kPresetBag, t[Pbag], t[Pmod], t[Pgen]);
  Copy n;
  for (std::size_t i = 0; i < instruments; ++i) {
    if (renumbered[i] >= 0) n.Item(t[Inst], kInstrumentBag, i, t[Ibag], t[Imod], t[Igen], nullptr);
  }
  n.Close(t[Inst], kInstrumentBag, t[Ibag], t[Imod], t[Igen]);
  const Bytes samples(t[Shdr].data, t[Shdr].Record(t[Shdr].count));

  Bytes body = {'p', 'd', 't', 'a'};
  const std::pair<const char*, const Bytes*> tables[] = {
      {"phdr", &p.headers},    {"pbag", &p.bags},       {"pmod", &p.modulators},
      {"pgen", &p.generators}, {"inst", &n.headers},    {"ibag", &n.bags},
      {"imod", &n.modulators}, {"igen", &n.generators}, {"shdr", &samples}};
  for (const auto& [tag, data] : tables) AppendChunk(body, tag, *data);
  Bytes list;
  AppendChunk(list, "LIST", body);
  return list;
}

bool ReadAt(std::ifstream& in, std::uint64_t at, Bytes& into) {
  in.seekg(static_cast<std::streamoff>(at));
  return static_cast<bool>(
      in.read(reinterpret_cast<char*>(into.data()), static_cast<std::streamsize>(into.size())));
}

}  // namespace

Programs ProgramsOfPiece(const Bytes& piece) {
  Programs all;
  all.set();
  if (!IsWholeMidiFile(piece)) return all;
  Programs found;
  found.set(0);
  std::size_t at = kChunkHeader + BigEndian(piece, 4, 4);
  while (at < piece.size()) {
    const std::size_t end = at + kChunkHeader + BigEndian(piece, at + 4, 4);
    if (std::memcmp(piece.data() + at, "MTrk", 4) == 0 &&
        !FindPrograms(piece, at + kChunkHeader, end, found)) {
      return all;
    }
    at = end;
  }
  return found;
}

std::optional<SoundFontSubset> SubsetSoundFont(const std::filesystem::path& file,
                                               const Programs& programs) {
  std::error_code error;
  const std::uint64_t fileSize = std::filesystem::file_size(file, error);
  std::ifstream in(file, std::ios::binary);
  Bytes header(kListHeader);
  if (error || !in || !ReadAt(in, 0, header) || std::memcmp(header.data(), "RIFF", 4) != 0 ||
      std::memcmp(header.data() + 8, "sfbk", 4) != 0) {
    return std::nullopt;
  }
  // The sample data and then the presets, as FluidSynth reads them.
  std::uint64_t samples = 0;
  std::uint64_t presets = 0;
  std::uint64_t presetsSize = 0;
  for (std::uint64_t at = kListHeader; at + kListHeader <= fileSize && presets == 0;) {
    Bytes list(kListHeader);
    if (!ReadAt(in, at, list)) return std::nullopt;
    const std::uint64_t size = Little(list.data() + 4, 4);
    if (std::memcmp(list.data(), "LIST", 4) == 0) {
      if (std::memcmp(list.data() + 8, "sdta", 4) == 0 && samples == 0) samples = at;
      if (std::memcmp(list.data() + 8, "pdta", 4) == 0 && samples != 0) {
        presets = at;
        presetsSize = size;
      }
    }
    at += kChunkHeader + size + (size & 1);
  }
  if (samples == 0 || presets == 0 || samples + kListHeader > kLargestHead || presetsSize < 4 ||
      presetsSize > kLargestPresets || presets + kChunkHeader + presetsSize > fileSize) {
    return std::nullopt;
  }
  SoundFontSubset subset;
  subset.file = file;
  subset.head.resize(samples + kListHeader);
  Bytes chunk(presetsSize - 4);
  if (!ReadAt(in, 0, subset.head) || !ReadAt(in, presets + kListHeader, chunk)) {
    return std::nullopt;
  }
  std::optional<Bytes> cut = SubsetPresets(chunk, programs);
  if (!cut) return std::nullopt;
  subset.samplesAt = subset.head.size();
  subset.samplesSize = presets - subset.samplesAt;
  subset.presets = std::move(*cut);
  PutLittle(subset.head.data() + 4, static_cast<std::uint32_t>(subset.Size() - kChunkHeader), 4);
  return subset;
}

}  // namespace quorvan
