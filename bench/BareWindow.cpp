// The floor a Qt game cannot go below: a bare Qt Widgets window that shows
// one label, built as the game is. The bench sets the game's first window and
// memory beside it.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel label(QStringLiteral("Quorvan"));
  label.setWindowTitle(QStringLiteral("bare window"));
  label.show();
  return app.exec();
}
