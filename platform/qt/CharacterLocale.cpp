#include "platform/qt/CharacterLocale.h"

#include <langinfo.h>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <string>

namespace quorvan {

namespace {

constexpr const char* kUtf8Characters = "C.UTF-8";

// The categories LC_ALL stands for, but for the character handling.
constexpr const char* kOtherCategories[] = {
    "LC_COLLATE",        "LC_MESSAGES",    "LC_MONETARY", "LC_NUMERIC", "LC_TIME",     "LC_ADDRESS",
    "LC_IDENTIFICATION", "LC_MEASUREMENT", "LC_NAME",     "LC_PAPER",   "LC_TELEPHONE"};

bool Available(const char* name) {
  const locale_t probe = newlocale(LC_CTYPE_MASK, name, locale_t{});
  if (!probe) return false;
  freelocale(probe);
  return true;
}

}  // namespace

void UseUtf8Characters() {
  // Ask the environment what Qt will ask it, then leave the process's locale
  // as it was: Qt sets it itself.
  const std::string before = std::setlocale(LC_ALL, nullptr);
  const bool usable = std::setlocale(LC_ALL, "") != nullptr;
  const bool utf8 = usable && std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0;
  std::setlocale(LC_ALL, before.c_str());
  if (utf8 || !Available(kUtf8Characters)) return;
  if (!usable) {
    // A locale that is not installed leaves the whole program in the C
    // locale anyway: C.UTF-8 is the same but for the characters.
    setenv("LC_ALL", kUtf8Characters, 1);
    return;
  }
  // LC_ALL outranks LC_CTYPE: its value goes to the other categories, so
  // messages and numbers stay as the user set them.
  if (const char* all = std::getenv("LC_ALL"); all && *all) {
    const std::string user = all;
    for (const char* category : kOtherCategories) setenv(category, user.c_str(), 1);
    unsetenv("LC_ALL");
  }
  setenv("LC_CTYPE", kUtf8Characters, 1);
}

}  // namespace quorvan
