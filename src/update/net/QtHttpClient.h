#pragma once

#include <memory>

#include "update/HttpClient.h"

// The HTTP client on Qt Network: what the network module hands the program,
// and what the update tests link directly.
std::unique_ptr<THttpClient> MakeQtHttpClient();
