#pragma once
// Kept for code that still includes the recorder from here; it lives in tests/support.
#include "../support/recording_sink.h"
