#include "widgets/BoardResources.h"

#include <QtGlobal>

void InitBoardResources() {
  // Q_INIT_RESOURCE must be used outside any namespace.
  static const bool Registered = [] {
    Q_INIT_RESOURCE(board);
    return true;
  }();
  (void)Registered;
}
