#include "model/Settings.h"

TTKDConfig* Settings = nullptr;
