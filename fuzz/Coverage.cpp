#include "fuzz/Coverage.h"

#include "game/Pieces.h"

namespace quorvan::fuzz {
namespace {

bool Opens(const std::string& command, const char* file) {
  return command.starts_with("open ") && command.find(file) != std::string::npos;
}

}  // namespace

void Coverage::NewRun() {
  ++runs_;
  highestStage_ = -1;
  lastWing_ = Wing::None;
  lastComet_ = false;
}

void Coverage::FrameEnded() {
  ++frames_;
  const auto stage = static_cast<std::size_t>(G.StageNo);
  const auto wing = static_cast<std::size_t>(WingNumber(G.WingNo));
  if (stage < framesInStage_.size()) ++framesInStage_[stage];
  if (wing < framesWithWing_.size()) ++framesWithWing_[wing];
  if (G.StageNo > highestStage_ && stage < runsReachingStage_.size()) {
    for (int s = highestStage_ + 1; s <= G.StageNo; ++s)
      ++runsReachingStage_[static_cast<std::size_t>(s)];
    highestStage_ = G.StageNo;
  }
  // The collect hands over the Double or Speed Wing in the frame it fires.
  if (lastWing_ == Wing::Collect && G.WingNo != Wing::Collect) ++collects_;
  if (G.CometActive && !lastComet_) ++comets_;
  lastWing_ = G.WingNo;
  lastComet_ = G.CometActive;
}

void Coverage::SoundPlayed(const std::string& sound) {
  if (Opens(sound, pieces::WingTaken)) ++wingItems_;
  if (Opens(sound, pieces::EnergyTaken)) ++energyItems_;
  if (Opens(sound, pieces::SweepHalf)) ++halfSweeps_;
  if (Opens(sound, pieces::SweepAll)) ++fullSweeps_;
  if (Opens(sound, pieces::StageClear)) ++clears_;
  if (Opens(sound, pieces::GameOver)) ++gameOvers_;
  if (sound == "Ching.Wav") ++reflections_;
  if (sound == "Bang2.Wav") ++bombHits_;
}

void Coverage::Add(const Coverage& o) {
  runs_ += o.runs_;
  frames_ += o.frames_;
  for (std::size_t i = 0; i < framesInStage_.size(); ++i) {
    framesInStage_[i] += o.framesInStage_[i];
    runsReachingStage_[i] += o.runsReachingStage_[i];
  }
  for (std::size_t i = 0; i < framesWithWing_.size(); ++i)
    framesWithWing_[i] += o.framesWithWing_[i];
  wingItems_ += o.wingItems_;
  energyItems_ += o.energyItems_;
  halfSweeps_ += o.halfSweeps_;
  fullSweeps_ += o.fullSweeps_;
  collects_ += o.collects_;
  reflections_ += o.reflections_;
  bombHits_ += o.bombHits_;
  comets_ += o.comets_;
  clears_ += o.clears_;
  gameOvers_ += o.gameOvers_;
  answered_ += o.answered_;
  cancelled_ += o.cancelled_;
}

void Coverage::Write(std::ostream& out) const {
  out << "runs " << runs_ << ", frames " << frames_ << "\n";
  out << "stage            :";
  for (std::size_t s = 0; s < framesInStage_.size(); ++s) out << ' ' << s + 1;
  out << "\nruns reaching it :";
  for (const auto n : runsReachingStage_) out << ' ' << n;
  out << "\nframes in it     :";
  for (const auto n : framesInStage_) out << ' ' << n;
  out << "\nframes per Wing 0..10:";
  for (const auto n : framesWithWing_) out << ' ' << n;
  out << "\nitems taken: " << wingItems_ << " Wing, " << energyItems_ << " energy"
      << "\nattacks: " << halfSweeps_ << " half sweeps, " << fullSweeps_ << " full sweeps, "
      << collects_ << " collects, " << reflections_ << " reflections, " << comets_ << " comets"
      << "\nbomb hits: " << bombHits_ << ", stage clears: " << clears_
      << ", game overs: " << gameOvers_ << "\ndialogs: " << answered_ << " answered, " << cancelled_
      << " cancelled\n";
}

}  // namespace quorvan::fuzz
