#pragma once

// Registers the resources compiled into the board's library (font, help
// text). A static library's resources are not registered by themselves;
// every user calls this first. Cheap after the first call.
void InitBoardResources();
