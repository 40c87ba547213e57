#pragma once
// How the receive fuzzer reads its input: which layout the diagnosis window opens with, what the
// serial line delivers on each receive tick, where send ticks fall, and how many more receive
// ticks follow once the line is quiet.
//
//   byte 0      layout: value % 20 picks catalogue model 0..17; 18 is a model the catalogue lacks,
//               19 no model at all
//   byte 1      ticks after the last chunk: value % 32
//   then chunks, each a control byte and its bytes: bits 0-6 the chunk length (0..127, cut short
//               at the end of the input), bit 7 a send tick before the chunk arrives
//
// A chunk of length 0 is a receive tick with nothing new on the line.
#include <QByteArray>
#include <QList>

namespace fuzz {

constexpr int kLayoutChoices = 20;
constexpr int kUnknownModel = 18;
constexpr int kNoModel = 19;
constexpr int kMaxChunk = 127;
constexpr int kMaxQuietTicks = 31;

struct Chunk {
    bool sendFirst = false;
    QByteArray bytes;
    bool operator==(const Chunk& o) const { return sendFirst == o.sendFirst && bytes == o.bytes; }
};

struct ReceivePlan {
    int layout = kNoModel;
    int quietTicks = 0;
    QList<Chunk> chunks;
    bool operator==(const ReceivePlan& o) const {
        return layout == o.layout && quietTicks == o.quietTicks && chunks == o.chunks;
    }
};

// Never fails: a short input gives a plan with fewer parts.
ReceivePlan decodePlan(const QByteArray& input);

// The input that decodes to `plan`. A chunk longer than kMaxChunk goes out as several, the later
// ones without a send tick, so its bytes take more than one receive tick to arrive. Layout and
// quiet ticks are reduced to their ranges.
QByteArray encodePlan(const ReceivePlan& plan);

} // namespace fuzz
