#include "character/Wings.h"

#include <array>
#include <string>

#include "game/GameState.h"
#include "screens/PictureBanks.h"
#include "screens/Playfield.h"
#include "screens/StatusPanel.h"

namespace quorvan {
namespace {

struct Wing {
  std::string_view name1;  // edition 1: Wings
  std::string_view name2;  // edition 2: costumes
  int cost;
};

constexpr std::array<Wing, WingCount> WingTable = {{
    {"", "", 1},
    {"Navigate Wing", "School SwimSuit", 1},
    {"Speed Wing", "China Dress", 1},
    {"Double Wing", "Pink House", 1},
    {"Slant Wing", "Small T-Suit", 1},
    {"All Half Wing", "Sailor Ware", 4},
    {"Collect Wing", "Bikini SwimSuit", 1},
    {"Mirror Wing", "Nurse Suite", 1},
    {"Comet Wing", "Bloomer", 1},
    {"Follow Wing", "Waitress", 1},
    {"Super Quorvan", "Bunny Girl", 7},
}};

bool InTable(int wingNo) { return wingNo >= 0 && wingNo < WingCount; }

}  // namespace

std::string_view WingName(int wingNo, int edition) {
  if (!InTable(wingNo)) return {};
  const Wing& wing = WingTable[static_cast<std::size_t>(wingNo)];
  if (edition == 1) return wing.name1;
  if (edition == 2) return wing.name2;
  return {};
}

int ShotCost(int wingNo) {
  return InTable(wingNo) ? WingTable[static_cast<std::size_t>(wingNo)].cost : 1;
}

void ShowWingPicture() {
  if (!InTable(G.WingNo)) return;
  Form1().Image1.CopyPictureFrom(Form2().Image2[static_cast<std::size_t>(G.WingNo)]);
}

void ShowWingName() {
  const std::string_view name = WingName(G.WingNo, G.Edition);
  if (name.empty()) {
    Form3().WingLabel.SetCaption("Ｑｕｏｒｖａｎ");
  } else {
    Form3().WingLabel.SetCaption("Quorvan (with " + std::string(name) + ")");
  }
}

}  // namespace quorvan
