#pragma once

#include <QString>
#include <cstdint>

class TJudgeList;
class TSysJoySticks;

// The gamepad manager's list of pads: one line per judge (name, connected,
// last press), then a line per connected pad that holds no judge's seat.
// Takes the gamepad list's lock: only while no clock runs.
QString PadStatusText(const TJudgeList& Judges, const TSysJoySticks& JoySticks, int32_t NumButtons);
