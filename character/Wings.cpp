#include "character/Wings.h"

#include <array>
#include <string>

#include "game/GameState.h"
#include "screens/PictureBanks.h"
#include "screens/Playfield.h"
#include "screens/StatusPanel.h"

namespace quorvan {
namespace {

struct WingNames {
  std::string_view name1;  // edition 1: Wings
  std::string_view name2;  // edition 2: costumes
};

constexpr std::array<WingNames, WingCount> WingTable = {{
    {"", ""},
    {"Navigate Wing", "School SwimSuit"},
    {"Speed Wing", "China Dress"},
    {"Double Wing", "Pink House"},
    {"Slant Wing", "Small T-Suit"},
    {"All Half Wing", "Sailor Ware"},
    {"Collect Wing", "Bikini SwimSuit"},
    {"Mirror Wing", "Nurse Suite"},
    {"Comet Wing", "Bloomer"},
    {"Follow Wing", "Waitress"},
    {"Super Quorvan", "Bunny Girl"},
}};

bool InTable(int wingNo) { return wingNo >= 0 && wingNo < WingCount; }

}  // namespace

std::string_view WingName(Wing wing, Edition edition) {
  if (!InTable(WingNumber(wing))) return {};
  const WingNames& names = WingTable[static_cast<std::size_t>(WingNumber(wing))];
  if (edition == Edition::Standard) return names.name1;
  if (edition == Edition::Vistrel) return names.name2;
  return {};
}

void ShowWingPicture() {
  if (!InTable(WingNumber(G.WingNo))) return;
  Playfield().Character.CopyPictureFrom(
      WorkingBanks().CharacterPictures[static_cast<std::size_t>(WingNumber(G.WingNo))]);
}

void WearWing(Wing wing) {
  G.WingNo = wing;
  ShowWingPicture();
  ShowWingName();
}

void ShowWingName() {
  const std::string_view name = WingName(G.WingNo, G.Edition);
  if (name.empty()) {
    StatusPanel().WingLabel.SetCaption("Ｑｕｏｒｖａｎ");
  } else {
    StatusPanel().WingLabel.SetCaption("Quorvan (with " + std::string(name) + ")");
  }
}

}  // namespace quorvan
