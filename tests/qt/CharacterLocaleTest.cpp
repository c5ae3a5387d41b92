// The game's character handling under the locales a login may leave it.
#include <gtest/gtest.h>
#include <langinfo.h>

#include <clocale>
#include <cstdlib>
#include <string>

#include "platform/qt/CharacterLocale.h"

namespace quorvan {
namespace {

const char* const kVariables[] = {"LANG",     "LANGUAGE",   "LC_ALL",
                                  "LC_CTYPE", "LC_NUMERIC", "LC_MESSAGES"};

struct Environment {
  std::string values[std::size(kVariables)];
  bool set[std::size(kVariables)] = {};
};

Environment Save() {
  Environment saved;
  for (std::size_t i = 0; i < std::size(kVariables); ++i)
    if (const char* v = std::getenv(kVariables[i])) saved.values[i] = v, saved.set[i] = true;
  return saved;
}

void Restore(const Environment& saved) {
  for (std::size_t i = 0; i < std::size(kVariables); ++i) {
    if (saved.set[i])
      setenv(kVariables[i], saved.values[i].c_str(), 1);
    else
      unsetenv(kVariables[i]);
  }
}

// Under every login the characters become UTF-8, while numbers and messages
// keep the locale the user set (or C, where that locale is not installed).
TEST(CharacterLocale, CharactersBecomeUtf8AndTheRestStaysAsTheUserSetIt) {
  struct Case {
    const char* lang;
    const char* all;
    const char* numeric;
    const char* expectedNumeric;
  };
  const Case cases[] = {
      {nullptr, nullptr, nullptr, "C"},              // a login that sets nothing
      {"C", nullptr, nullptr, "C"},                  // the plain C locale
      {"C.UTF-8", "C", nullptr, "C"},                // LC_ALL outranks LC_CTYPE and LANG
      {"C", nullptr, "C.UTF-8", "C.UTF-8"},          // a category of its own stays
      {"C.UTF-8", nullptr, "C", "C"},                // UTF-8 already: left alone
      {"xx_YY.UTF-8", nullptr, nullptr, "C.UTF-8"},  // a locale that is not installed
  };
  const Environment saved = Save();
  const std::string process = std::setlocale(LC_ALL, nullptr);
  for (const Case& c : cases) {
    for (const char* v : kVariables) unsetenv(v);
    if (c.lang) setenv("LANG", c.lang, 1);
    if (c.all) setenv("LC_ALL", c.all, 1);
    if (c.numeric) setenv("LC_NUMERIC", c.numeric, 1);
    UseUtf8Characters();
    EXPECT_EQ(std::setlocale(LC_ALL, nullptr), process) << "the process's locale is Qt's to set";
    ASSERT_NE(std::setlocale(LC_ALL, ""), nullptr)
        << (c.lang ? c.lang : "") << (c.all ? c.all : "");
    EXPECT_STREQ(nl_langinfo(CODESET), "UTF-8") << (c.lang ? c.lang : "") << (c.all ? c.all : "");
    EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), c.expectedNumeric)
        << (c.lang ? c.lang : "") << (c.all ? c.all : "");
    std::setlocale(LC_ALL, process.c_str());
  }
  Restore(saved);
}

}  // namespace
}  // namespace quorvan
