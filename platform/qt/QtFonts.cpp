#include "platform/qt/QtFonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <cmath>

namespace quorvan {
namespace {

constexpr double DesignDpi = 96.0;
constexpr double PointsPerInch = 72.0;

QString Serif() {
  const QString liberation = QStringLiteral("Liberation Serif");
  return QFontDatabase::hasFamily(liberation) ? liberation : QStringLiteral("DejaVu Serif");
}

}  // namespace

void InstallGameFonts() {
  QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
  QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
  QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("IPAPMincho"));
  QFont::insertSubstitution(QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAMincho"));
  QFont::insertSubstitution(QStringLiteral("Times New Roman"), Serif());
}

int FontPixels(double points) {
  return static_cast<int>(std::lround(points * DesignDpi / PointsPerInch));
}

QFont GameFont(const Font& font) {
  QFont qfont = QApplication::font();
  if (font.points > 0) {
    if (font.face && *font.face) qfont.setFamily(QString::fromUtf8(font.face));
    qfont.setPixelSize(FontPixels(font.points));
  }
  qfont.setBold(font.bold);
  return qfont;
}

}  // namespace quorvan
