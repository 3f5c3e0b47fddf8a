#pragma once

#include <QString>

class TJudge;
class TMatch;

// One judge's line in the console: the pad's connection and the last vote
// press the match saw, e.g. "Judge 2: connected, last press Blue 1 at 14:03:07".
QString JudgePadStatus(const TMatch& Match, const TJudge& Judge, int Number);
