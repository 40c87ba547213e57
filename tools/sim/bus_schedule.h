#pragma once
// When each byte the simulator sends goes onto the line, as a pure function of the events and
// their times, so that tests can play a bus through in microseconds.
//
// Blocks start at their own time, the earliest first, and never before the block ahead of them
// has left (a pseudo-terminal carries one stream). On a half-duplex (two-wire) line, the program's
// requests and the instruments' replies share the wire: a reply that is on the line while a
// request is, or while another reply is, has junk in place of its tail from the first character
// they share, and a request that met a reply is heard by no instrument.
#include <QByteArray>
#include <QList>
#include <QRandomGenerator>
#include <vector>

namespace sim {

enum class BlockKind {
    Reply,   // an instrument's answer: it can collide
    Echo,    // the adapter repeating the request: the request itself, not a second talker
    Garbage, // noise on the idle line
};

// One reply garbled, for the log.
struct Collision {
    qint64 atUs = 0;       // line time where the overlap begins
    int address = -1;      // whose reply it was
    int from = 0;          // its first junk character, 0-based
    int length = 0;        // its length
    int otherAddress = -1; // the reply it met, or -1 for a request
};

class BusSchedule {
public:
    BusSchedule(int baud, bool halfDuplex, QRandomGenerator& random);

    struct Request {
        bool heard = true; // false: it met a reply and no instrument can read it
        qint64 endUs = 0;  // when it has left the line; turnarounds count from here
    };
    // A request of `length` characters from the program, received whole at `nowUs` (a
    // pseudo-terminal passes it at once). On a half-duplex line it occupies the wire for its own
    // line time after the one before it, and replies begin only after that; otherwise it ends now.
    Request requestArrived(qint64 nowUs, int length);

    // `bytes` to go out not before `notBeforeUs`; `address` names a reply's instrument.
    void queue(BlockKind kind, const QByteArray& bytes, qint64 notBeforeUs, int address = -1);

    // The bytes the line has carried by `nowUs` and not handed out before, in order.
    QByteArray take(qint64 nowUs);

    // The collisions since the last call.
    QList<Collision> takeCollisions();

    bool idle() const { return m_blocks.empty(); }

private:
    struct Block {
        BlockKind kind = BlockKind::Reply;
        QByteArray bytes;
        int address = -1;
        qint64 startUs = 0; // planned; once started, when it began
        bool started = false;
        int sent = 0;
    };

    qint64 endOf(const Block& b) const;
    // Junk from character `from` on, except what has been handed out already.
    void garble(Block& b, int from, qint64 atUs, int otherAddress);

    int m_baud = 9600;
    bool m_halfDuplex = false;
    QRandomGenerator& m_random;
    std::vector<Block> m_blocks; // the front one may have started; the rest by planned start
    qint64 m_lineFreeUs = 0;     // when the last block handed out has left
    qint64 m_requestFreeUs = 0;  // when the program's last request has left
    QList<Collision> m_collisions;
};

} // namespace sim
