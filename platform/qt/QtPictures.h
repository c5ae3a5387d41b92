// The game's artwork as pixmaps, read once per file.
#pragma once

#include <QPixmap>
#include <string>
#include <unordered_map>

#include "screens/Toolkit.h"

namespace quorvan {

class PictureCache {
 public:
  // The pixmap of the picture's file under the assets' pictures folder, each
  // pixel a square of `zoom` pixels. A missing or damaged file gives a
  // transparent pixmap of the picture's size, so the game goes on with an
  // invisible sprite.
  const QPixmap& Get(const Picture& picture, int zoom = 1);

 private:
  std::unordered_map<std::string, QPixmap> pixmaps_;
  bool complained_ = false;
};

}  // namespace quorvan
