#include "platform/web/WebSound.h"

#include <emscripten/emscripten.h>

#include <string>

// clang-format off
EM_JS(void, qv_play_piece, (const char* name), { QV.sound.playPiece(UTF8ToString(name)); });
EM_JS(void, qv_stop_piece, (), { QV.sound.stopPiece(); });
EM_JS(void, qv_play_effect, (const char* name), { QV.sound.playEffect(UTF8ToString(name)); });
EM_JS(void, qv_pause_all, (int paused), { QV.sound.pauseAll(paused); });
// clang-format on

namespace quorvan {

// The page knows the files by name alone: the game's folders are not there.
void WebSound::PlayPiece(const std::filesystem::path& file) {
  qv_play_piece(file.filename().string().c_str());
}

void WebSound::StopPiece() { qv_stop_piece(); }

void WebSound::PlayEffect(const std::filesystem::path& file) {
  qv_play_effect(file.filename().string().c_str());
}

void WebSound::CutEffect() { qv_play_effect(""); }

void WebSound::PauseAll(bool paused) { qv_pause_all(paused); }

}  // namespace quorvan
