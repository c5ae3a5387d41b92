// The artwork as the Qt windows load it: every bank element of both editions
// holds its picture, and every picture file has the size its sprites bind.
#include <QImage>
#include <string>

#include "GameWindowsSupport.h"
#include "platform/qt/QtPictures.h"
#include "screens/Pictures.h"

namespace quorvan {
namespace {

// The picture's file as it lies in the assets, unconverted; null if unreadable.
QImage FileImage(const Picture& picture) {
  const auto path = FindIgnoringCase(AssetFolder() / "pictures", picture.file);
  return path.empty() ? QImage() : QImage(QString::fromStdString(path.string()));
}

struct Coverage {
  int transparent = 0;
  int opaque = 0;
};

Coverage CoverageOf(const QImage& image) {
  Coverage c;
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < argb.height(); ++y) {
    for (int x = 0; x < argb.width(); ++x) {
      const int alpha = qAlpha(argb.pixel(x, y));
      c.transparent += alpha == 0;
      c.opaque += alpha == 255;
    }
  }
  return c;
}

class PictureBanks : public test::GameWindowsTest {
 protected:
  void SetUp() override {
    WorkingBanks().Load();
    EditionBanks().Load();
  }

  // One bank element: the catalogue's picture, shown at its size, read from
  // a file of exactly that size, transparent around the figure only if an icon.
  void ExpectHolds(Window& bank, const Sprite& element, const Picture& want,
                   const std::string& what) {
    SCOPED_TRACE(what);
    ASSERT_EQ(element.ShownPicture(), &want);
    const QSize size(want.width, want.height);
    EXPECT_EQ(ControlWidget(bank, element)->size(), size);
    EXPECT_EQ(FileImage(want).size(), size) << want.file;
    const Coverage c = CoverageOf(cache_.Get(want).toImage());
    EXPECT_EQ(cache_.Get(want).size(), size);
    EXPECT_GT(c.opaque, 0) << want.file;
    if (want.icon) {
      EXPECT_GT(c.transparent, 0) << want.file;
    } else {
      EXPECT_EQ(c.transparent, 0) << want.file;
    }
  }

  PictureCache cache_;
};

TEST_F(PictureBanks, CharacterBanksHoldBothEditionsIcons) {
  auto& o = EditionBanks();
  for (std::size_t i = 0; i < WingCount; ++i) {
    ExpectHolds(o, o.Edition1Characters[i], pictures::Character[0][i],
                "Image2(" + std::to_string(i) + ")");
    ExpectHolds(o, o.Edition2Characters[i], pictures::Character[1][i],
                "Image0(" + std::to_string(i) + ")");
    EXPECT_EQ(pictures::Character[0][i].width, 32);
    EXPECT_EQ(pictures::Character[0][i].height, 32);
  }
}

TEST_F(PictureBanks, ItemBanksHoldKindsOneToTenAndNothingForKindZero) {
  auto& o = EditionBanks();
  EXPECT_EQ(o.Edition2Items[0].ShownPicture(), nullptr);
  EXPECT_EQ(o.Edition1Items[0].ShownPicture(), nullptr);
  for (std::size_t i = 1; i < WingCount; ++i) {
    ExpectHolds(o, o.Edition1Items[i], pictures::Item[0][i], "Image3(" + std::to_string(i) + ")");
    ExpectHolds(o, o.Edition2Items[i], pictures::Item[1][i], "Image1(" + std::to_string(i) + ")");
  }
}

TEST_F(PictureBanks, ShotBankHoldsBothEditionsShotsAt17By17) {
  auto& o = EditionBanks();
  for (std::size_t i = 0; i < 2; ++i) {
    ExpectHolds(o, o.EditionShots[i], pictures::Shot[i], "Image4(" + std::to_string(i) + ")");
    EXPECT_EQ(o.EditionShots[i].Width(), 17 * TwipsPerPixel);
  }
}

TEST_F(PictureBanks, EnemyBankHoldsOne32By16BitmapPerStage) {
  auto& f = WorkingBanks();
  for (std::size_t i = 0; i < StageCount; ++i) {
    ExpectHolds(f, f.EnemyPictures[i], pictures::Enemy[i],
                "Form2.Image1(" + std::to_string(i) + ")");
    EXPECT_EQ(f.EnemyPictures[i].Width(), 32 * TwipsPerPixel);
    EXPECT_EQ(f.EnemyPictures[i].Height(), 16 * TwipsPerPixel);
  }
}

TEST_F(PictureBanks, WorkingBanksStartEmpty) {
  for (std::size_t i = 0; i < WingCount; ++i) {
    EXPECT_EQ(WorkingBanks().CharacterPictures[i].ShownPicture(), nullptr);
    EXPECT_EQ(WorkingBanks().ItemPictures[i].ShownPicture(), nullptr);
  }
}

// A redrawn file of the wrong size would shift every sprite drawn from it.
TEST_F(PictureBanks, EveryPictureFileHasItsCatalogueSize) {
  const auto all = pictures::All();
  EXPECT_GE(all.size(), 60u);
  for (const Picture* p : all) {
    const QImage image = FileImage(*p);
    ASSERT_FALSE(image.isNull()) << p->file;
    EXPECT_EQ(image.size(), QSize(p->width, p->height)) << p->file;
    EXPECT_EQ(cache_.Get(*p).size(), QSize(p->width, p->height)) << p->file;
  }
}

TEST_F(PictureBanks, IconsAreTransparentAroundTheirFigure) {
  for (const Picture* p : pictures::All()) {
    if (!p->icon) continue;
    const Coverage c = CoverageOf(FileImage(*p));
    EXPECT_GT(c.transparent, 0) << p->file;
    EXPECT_GT(c.opaque, 0) << p->file;
  }
}

TEST_F(PictureBanks, BitmapsCoverTheirWholeRectangle) {
  for (const Picture* p : pictures::All()) {
    if (p->icon) continue;
    EXPECT_EQ(CoverageOf(cache_.Get(*p).toImage()).transparent, 0) << p->file;
  }
}

}  // namespace
}  // namespace quorvan
