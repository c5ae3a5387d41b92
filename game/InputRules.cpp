#include "game/InputRules.h"

namespace quorvan {
namespace {

class NoRules final : public InputRules {};

NoRules none;
InputRules* installed = &none;

}  // namespace

InputRules& RulesOfInput() { return *installed; }

void InstallInputRules(InputRules* rules) { installed = rules ? rules : &none; }

}  // namespace quorvan
