#pragma once

#include <QPixmap>

// The sudden-death mark shown beside the round number: a white skull and
// crossbones on a red disc with a dark ring, 67 x 67 pixels, transparent
// around the disc.
constexpr int kSuddenDeathImageSize = 67;

QPixmap SuddenDeathPixmap();
