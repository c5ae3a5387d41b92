#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QRawFont>

#include "platform/qt/QtFonts.h"

namespace quorvan {
namespace {

QString Resolved(const char* face, double points = 12) {
  return QFontInfo(GameFont({face, points, false})).family();
}

TEST(QtFonts, JapaneseWindowsFontsResolveToIpaFonts) {
  EXPECT_EQ(Resolved("ＭＳ Ｐゴシック"), "IPAPGothic");
  EXPECT_EQ(Resolved("ＭＳ ゴシック"), "IPAGothic");
  EXPECT_EQ(Resolved("ＭＳ Ｐ明朝"), "IPAPMincho");
}

TEST(QtFonts, TimesNewRomanResolvesToAnInstalledSerif) {
  const QString family = Resolved("Times New Roman");
  EXPECT_TRUE(family == "Liberation Serif" || family == "DejaVu Serif") << family.toStdString();
}

TEST(QtFonts, SizesAreTakenAt96DotsPerInch) {
  EXPECT_EQ(FontPixels(12), 16);
  EXPECT_EQ(FontPixels(9), 12);
  EXPECT_EQ(FontPixels(11.25), 15);
  EXPECT_EQ(GameFont({"ＭＳ Ｐゴシック", 11.25, true}).pixelSize(), 15);
  EXPECT_TRUE(GameFont({"ＭＳ Ｐゴシック", 11.25, true}).bold());
}

TEST(QtFonts, ZeroPointsIsTheApplicationFont) {
  const QFont font = GameFont({"ＭＳ Ｐ明朝", 0, false});
  EXPECT_EQ(font.family(), QApplication::font().family());
  EXPECT_EQ(font.pointSizeF(), QApplication::font().pointSizeF());
}

TEST(QtFonts, JapaneseTextHasGlyphsInTheGameFont) {
  const QRawFont raw = QRawFont::fromFont(GameFont({"ＭＳ Ｐゴシック", 12, false}));
  for (const QString& text : {QStringLiteral("ずるいな！"), QStringLiteral("Ｑｕｏｒｖａｎ"),
                              QStringLiteral("Ｇａｍｅ　Ｏｖｅｒ…")}) {
    for (const QChar ch : text) {
      EXPECT_TRUE(raw.supportsCharacter(ch))
          << text.toStdString() << " U+" << std::hex << int{ch.unicode()};
    }
  }
}

}  // namespace
}  // namespace quorvan
