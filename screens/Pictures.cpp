#include "screens/Pictures.h"

#include <vector>

namespace quorvan::pictures {

const std::array<Picture, 7> Enemy = {{
    {"enemy0.xpm", 32, 16, false},
    {"enemy1.xpm", 32, 16, false},
    {"enemy2.xpm", 32, 16, false},
    {"enemy3.xpm", 32, 16, false},
    {"enemy4.xpm", 32, 16, false},
    {"enemy5.xpm", 32, 16, false},
    {"enemy6.xpm", 32, 16, false},
}};

const std::array<Picture, EditionCount> Shot = {{
    {"shot1.xpm", 17, 17, false},
    {"shot2.xpm", 17, 17, false},
}};

const std::array<std::array<Picture, 11>, EditionCount> Character = {{
    {{
        {"wing1_00.xpm", 32, 32, true},
        {"wing1_01.xpm", 32, 32, true},
        {"wing1_02.xpm", 32, 32, true},
        {"wing1_03.xpm", 32, 32, true},
        {"wing1_04.xpm", 32, 32, true},
        {"wing1_05.xpm", 32, 32, true},
        {"wing1_06.xpm", 32, 32, true},
        {"wing1_07.xpm", 32, 32, true},
        {"wing1_08.xpm", 32, 32, true},
        {"wing1_09.xpm", 32, 32, true},
        {"wing1_10.xpm", 32, 32, true},
    }},
    {{
        {"wing2_00.xpm", 32, 32, true},
        {"wing2_01.xpm", 32, 32, true},
        {"wing2_02.xpm", 32, 32, true},
        {"wing2_03.xpm", 32, 32, true},
        {"wing2_04.xpm", 32, 32, true},
        {"wing2_05.xpm", 32, 32, true},
        {"wing2_06.xpm", 32, 32, true},
        {"wing2_07.xpm", 32, 32, true},
        {"wing2_08.xpm", 32, 32, true},
        {"wing2_09.xpm", 32, 32, true},
        {"wing2_10.xpm", 32, 32, true},
    }},
}};

const std::array<std::array<Picture, 11>, EditionCount> Item = {{
    {{
        {nullptr, 0, 0, true},
        {"item1_01.xpm", 32, 32, true},
        {"item1_02.xpm", 32, 32, true},
        {"item1_03.xpm", 32, 32, true},
        {"item1_04.xpm", 32, 32, true},
        {"item1_05.xpm", 32, 32, true},
        {"item1_06.xpm", 32, 32, true},
        {"item1_07.xpm", 32, 32, true},
        {"item1_08.xpm", 32, 32, true},
        {"item1_09.xpm", 32, 32, true},
        {"item1_10.xpm", 32, 32, true},
    }},
    {{
        {nullptr, 0, 0, true},
        {"item2_01.xpm", 32, 32, true},
        {"item2_02.xpm", 32, 32, true},
        {"item2_03.xpm", 32, 32, true},
        {"item2_04.xpm", 32, 32, true},
        {"item2_05.xpm", 32, 32, true},
        {"item2_06.xpm", 32, 32, true},
        {"item2_07.xpm", 32, 32, true},
        {"item2_08.xpm", 32, 32, true},
        {"item2_09.xpm", 32, 32, true},
        {"item2_10.xpm", 32, 32, true},
    }},
}};

const Picture Bomb{"bomb.xpm", 16, 32, false};
const Picture Comet{"comet.xpm", 17, 17, false};
const Picture Zbang{"zbang.xpm", 32, 16, false};
const Picture Mirror{"mirror.xpm", 16, 32, false};
const Picture GameIcon{"icon_game.xpm", 32, 32, true};
const Picture DemoIcon{"icon_demo.xpm", 32, 32, true};

const std::array<Picture, 4> DemoPose = {{
    {"demo_pose2.xpm", 37, 37, true},
    {"demo_pose3.xpm", 43, 37, true},
    {"demo_pose4.xpm", 42, 89, true},
    {"demo_pose5.xpm", 58, 88, true},
}};

std::vector<const Picture*> All() {
  std::vector<const Picture*> all;
  auto add = [&](const Picture& p) {
    if (p.file) all.push_back(&p);
  };
  for (const auto& p : Enemy) add(p);
  for (const auto& p : Shot) add(p);
  for (const auto& edition : Character)
    for (const auto& p : edition) add(p);
  for (const auto& edition : Item)
    for (const auto& p : edition) add(p);
  for (const Picture* p : {&Bomb, &Comet, &Zbang, &Mirror, &GameIcon, &DemoIcon}) add(*p);
  for (const auto& p : DemoPose) add(p);
  return all;
}

}  // namespace quorvan::pictures
