#pragma once

#include <QLoggingCategory>

// Update failures that no box shows: at start-up, and what is cleaned up after one.
Q_DECLARE_LOGGING_CATEGORY(lcUpdate)
