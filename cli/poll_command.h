#pragma once
// `commtest-cli poll`: the instruments asked in turn on one line, each accepted reply printed,
// optionally recorded and published to MQTT, until the count of rounds or SIGINT/SIGTERM.
#include "cli/cli_args.h"

namespace cli {

// Exit statuses besides 0 and kUsageError.
inline constexpr int kRunError = 1; // the history file or the broker options could not be used

// The receive tick of a poll: how soon a reply's CR is seen, which bounds the round time.
inline constexpr int kPollReceiveMs = 3;

// How long an ending poll waits for the broker to take what is still queued.
inline constexpr int kDeliverAtEndMs = 3000;

// Runs inside a QCoreApplication; `programDir` holds data/ with the settings files.
int runPoll(const PollArgs& args, const QString& programDir);

} // namespace cli
