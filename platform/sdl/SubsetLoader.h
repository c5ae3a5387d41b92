// FluidSynth reads a cut-down soundfont as it would a file: its loader is
// handed the subset's name, and reads the head and presets from memory and
// the samples from the soundfont itself.
#pragma once

#include <fluidsynth.h>

#include <string>

#include "platform/sdl/SoundFontSubset.h"

namespace quorvan {

// Adds to `synth` the loader that knows the subsets' names.
void AddSubsetLoader(fluid_settings_t* settings, fluid_synth_t* synth);

// A loaded subset, by its name; FluidSynth may come back to read samples for
// as long as the font is loaded, so it must outlive that.
class NamedSubset {
 public:
  explicit NamedSubset(SoundFontSubset subset);
  ~NamedSubset();
  NamedSubset(const NamedSubset&) = delete;
  NamedSubset& operator=(const NamedSubset&) = delete;

  const std::string& Name() const { return name_; }

 private:
  SoundFontSubset subset_;
  std::string name_;
};

}  // namespace quorvan
