#pragma once
// How often an engine asks and looks. The windows run at these defaults; tests, the command line
// and a fast scan give their own.
namespace engine {

// An interval of 0 leaves that timer off: its ticks are called from outside (fuzzers, tests that
// step the ticks by hand).
struct Intervals {
    int sendMs = 0;    // one request per send tick: the reply window of each request
    int receiveMs = 0; // input collected and the reply line looked at on every receive tick
};

// Ticks called by hand only.
constexpr Intervals kTicksByHand{0, 0};

// The search window: one address every 1360 ms, input looked at every 80 ms.
constexpr Intervals kScanIntervals{1360, 80};
// The diagnosis window: the instrument asked every 2 s, input looked at every 80 ms.
constexpr Intervals kDiagnosisIntervals{2000, 80};

} // namespace engine
