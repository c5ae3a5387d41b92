// The Qt tests share one application, made before any test runs.
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/qt/QtFonts.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Listing the tests happens without the tests' environment; a display is
  // never needed, though QT_QPA_PLATFORM=xcb under Xvfb runs them on X.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  quorvan::InstallGameFonts();
  return RUN_ALL_TESTS();
}
