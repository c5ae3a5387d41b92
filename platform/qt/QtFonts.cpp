#include "platform/qt/QtFonts.h"

#include <QApplication>
#include <cmath>

namespace quorvan {
namespace {

constexpr double DesignDpi = 96.0;
constexpr double PointsPerInch = 72.0;

}  // namespace

void InstallGameFonts() {
  QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
  QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
  QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("IPAPMincho"));
  QFont::insertSubstitution(QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAMincho"));
  // Qt takes the first of these that is installed when the font is first
  // used; asking now would read every font on the system before the first
  // window.
  QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                             {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
}

int FontPixels(double points) {
  return static_cast<int>(std::lround(points * DesignDpi / PointsPerInch));
}

QFont GameFont(const Font& font, int zoom) {
  QFont qfont = QApplication::font();
  if (font.points > 0) {
    if (font.face && *font.face) qfont.setFamily(QString::fromUtf8(font.face));
    qfont.setPixelSize(FontPixels(font.points) * zoom);
  } else if (qfont.pixelSize() > 0) {
    qfont.setPixelSize(qfont.pixelSize() * zoom);
  } else {
    qfont.setPointSizeF(qfont.pointSizeF() * zoom);
  }
  qfont.setBold(font.bold);
  return qfont;
}

}  // namespace quorvan
