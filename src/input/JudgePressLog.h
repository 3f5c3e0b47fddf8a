#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <unordered_map>
#include <vector>

class TJoyButton;
class TJudgeList;

// One line of the judges' audit.
struct TJudgeAuditLine {
  enum TEvent { Press, Release, Score, Alone };
  TEvent Event = Press;
  double Time = 0;    // date-time
  int32_t Judge = 0;  // 1-based; 0 on a score line
  bool Red = true;
  int32_t Points = 0;
  std::vector<int32_t> Judges;  // score lines: the judges whose presses counted
  int32_t SpreadMs = 0;         // score lines: first to last of those presses
};

// What one judge did in the current match.
struct TJudgeSummary {
  int32_t Judge = 0;  // 1-based
  int32_t Presses = 0;
  int32_t Scored = 0;
  // Presses that aged out of the vote window without scoring.
  int32_t Lone = 0;
  // Over the scored presses: how long after the agreement's first press.
  std::optional<double> MedianDelayMs;
};

// The judges' presses of the current match, followed from their vote buttons'
// states, and what became of each press. Main thread only.
class TJudgePressLog {
 public:
  using TLineEvent = std::function<void(const TJudgeAuditLine& Line)>;
  // Raised for every press, release, scoring agreement and lone press.
  TLineEvent OnLine;

  // Forgets the presses of the match before.
  void StartMatch();
  // Notes the presses and releases of the judges' vote buttons since the
  // last look, then the presses older than TransiencyMs that never scored.
  // A button first seen down or with a vote pending brings its press along.
  void Observe(const TJudgeList& Judges, double Now, int32_t TransiencyMs);
  // The presses on Votes scored together at Now.
  void Scored(const std::vector<const TJoyButton*>& Votes, double Now);
  // One entry per judge from 1 to the highest judge that pressed, or to
  // JudgeCount when that is higher.
  std::vector<TJudgeSummary> Summary(int32_t JudgeCount) const;

 private:
  struct TPress {
    int32_t Judge;
    bool Red;
    int32_t Points;
    double Start;
    bool Scored = false;
    bool Lone = false;
    double DelayMs = 0;
  };
  struct TSeen {
    double PressStart;
    bool Down;
    size_t Press;  // NoPress before the first press
  };
  static constexpr size_t NoPress = static_cast<size_t>(-1);

  void NotePress(const TJoyButton& Button, TSeen& Seen, int32_t Judge, bool Red, int32_t Points);
  void NoteRelease(const TJoyButton& Button, TSeen& Seen);
  void AgeOut(double Now, int32_t TransiencyMs);
  void Emit(const TJudgeAuditLine& Line) const;

  std::unordered_map<const TJoyButton*, TSeen> FSeen;
  std::vector<TPress> FPresses;
  // Presses neither scored nor aged out yet, oldest first.
  std::vector<size_t> FOpen;
};

// The middle value, or the mean of the two middle ones; none when empty.
std::optional<double> Median(std::vector<double> Values);
