#include "game/Hooks.h"

namespace quorvan {
namespace {

class NoObserver final : public GameObserver {};

NoObserver nobody;
GameObserver* installed = &nobody;

}  // namespace

GameObserver& Observer() { return *installed; }

void InstallObserver(GameObserver* observer) { installed = observer ? observer : &nobody; }

}  // namespace quorvan
