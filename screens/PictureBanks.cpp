#include "screens/PictureBanks.h"

#include "screens/Pictures.h"

namespace quorvan {
namespace {

// Bank elements stand in a row, out of sight: only their pictures matter.
void AddBank(std::vector<ControlLayout>& controls, const char* name, int count, int top,
             const Picture* (*pictureOf)(int)) {
  for (int i = 0; i < count; ++i) {
    controls.push_back({.name = name,
                        .index = i,
                        .left = 120 + 600 * i,
                        .top = top,
                        .width = 480,
                        .height = 480,
                        .picture = pictureOf(i)});
  }
}

const Picture* NoPicture(int) { return nullptr; }
const Picture* ItemOrNone(int edition, int kind) {
  return kind == 0
             ? nullptr
             : &pictures::Item[static_cast<std::size_t>(edition)][static_cast<std::size_t>(kind)];
}

WindowLayout WorkingLayout() {
  WindowLayout layout{.name = "Form2",
                      .caption = "Form2",
                      .border = Border::Sizable,
                      .clientWidth = 7200,
                      .clientHeight = 2400,
                      .controls = {}};
  AddBank(layout.controls, "Image1", StageCount, 120,
          [](int i) -> const Picture* { return &pictures::Enemy[static_cast<std::size_t>(i)]; });
  AddBank(layout.controls, "Image2", WingCount, 720, NoPicture);
  AddBank(layout.controls, "Image3", WingCount, 1320, NoPicture);
  return layout;
}

WindowLayout ObjectLayout() {
  WindowLayout layout{.name = "ObjectForm",
                      .caption = "Object form",
                      .border = Border::Sizable,
                      .clientWidth = 7200,
                      .clientHeight = 3600,
                      .controls = {}};
  AddBank(layout.controls, "Image0", WingCount, 120, [](int i) -> const Picture* {
    return &pictures::Character[1][static_cast<std::size_t>(i)];
  });
  AddBank(layout.controls, "Image1", WingCount, 720,
          [](int i) -> const Picture* { return ItemOrNone(1, i); });
  AddBank(layout.controls, "Image2", WingCount, 1320, [](int i) -> const Picture* {
    return &pictures::Character[0][static_cast<std::size_t>(i)];
  });
  AddBank(layout.controls, "Image3", WingCount, 1920,
          [](int i) -> const Picture* { return ItemOrNone(0, i); });
  AddBank(layout.controls, "Image4", 2, 2520,
          [](int i) -> const Picture* { return &pictures::Shot[static_cast<std::size_t>(i)]; });
  return layout;
}

const WindowLayout WorkingBanksLayout = WorkingLayout();
const WindowLayout EditionBanksLayout = ObjectLayout();

}  // namespace

WorkingBanksWindow::WorkingBanksWindow() : Window(WorkingBanksLayout) {}
EditionBanksWindow::EditionBanksWindow() : Window(EditionBanksLayout) {}

WorkingBanksWindow& WorkingBanks() {
  static WorkingBanksWindow window;
  return window;
}

EditionBanksWindow& EditionBanks() {
  static EditionBanksWindow window;
  return window;
}

}  // namespace quorvan
