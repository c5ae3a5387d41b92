// The Qt tests share one application, made before any test runs.
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/qt/QtFonts.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  quorvan::InstallGameFonts();
  return RUN_ALL_TESTS();
}
