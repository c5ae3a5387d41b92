#include "platform/qt/QtPictures.h"

#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <cstdio>
#include <string>

#include "sound/FileLookup.h"

namespace quorvan {
namespace {

QPixmap Read(const Picture& picture) {
  const auto path = FindIgnoringCase(AssetFolder() / "pictures", picture.file ? picture.file : "");
  if (path.empty()) return {};
  const QString file = QString::fromStdString(path.string());
  // Named by its suffix, the format is read at once; left to be found out,
  // Qt would first load every image plugin it has to ask them.
  QImageReader reader(file, path.extension().string().erase(0, 1).c_str());
  reader.setAutoDetectImageFormat(false);
  QImage image = reader.read();
  if (image.isNull()) image.load(file);  // its suffix is not its format
  if (image.isNull()) return {};
  // A bitmap covers its rectangle: whatever transparency its file has goes.
  image = image.convertToFormat(picture.icon ? QImage::Format_ARGB32_Premultiplied
                                             : QImage::Format_RGB32);
  return QPixmap::fromImage(image);
}

QPixmap Blank(const Picture& picture) {
  QPixmap blank(std::max(picture.width, 1), std::max(picture.height, 1));
  blank.fill(Qt::transparent);
  return blank;
}

}  // namespace

const QPixmap& PictureCache::Get(const Picture& picture, int zoom) {
  const std::string key = std::string(picture.file ? picture.file : "") +
                          (picture.icon ? "|icon|" : "|bitmap|") + std::to_string(zoom);
  if (auto it = pixmaps_.find(key); it != pixmaps_.end()) return it->second;
  if (zoom > 1) {
    const QPixmap& natural = Get(picture, 1);
    QPixmap zoomed =
        natural.scaled(natural.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return pixmaps_.emplace(key, std::move(zoomed)).first->second;
  }
  QPixmap pixmap = Read(picture);
  if (pixmap.isNull()) {
    if (!complained_) {
      std::fprintf(stderr, "quorvan: cannot read picture %s in %s; it stays blank\n",
                   picture.file ? picture.file : "(none)",
                   (AssetFolder() / "pictures").string().c_str());
      complained_ = true;
    }
    pixmap = Blank(picture);
  }
  return pixmaps_.emplace(key, std::move(pixmap)).first->second;
}

}  // namespace quorvan
