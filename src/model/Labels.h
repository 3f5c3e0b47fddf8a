#pragma once

#include <QString>

// Command captions from section [Labels] of Dorvane.INI, read afresh at each
// use. A key present with an empty value gives an empty caption.
QString WarningText();    // "Warning", default "KYONGGO"
QString DeductionText();  // "Deduction", default "GAMJEOM"
QString StartText();      // "Start"
QString InjuryText();     // "Injury"
QString PauseText();      // "Pause"
QString StopText();       // "Stop"
