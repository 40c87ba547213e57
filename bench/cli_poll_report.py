#!/usr/bin/env python3
"""Figures of bench/cli_poll.sh: the round time against the line-time limit, and the soak's
memory, delivery and drops."""
import json
import re
import sys
from datetime import datetime


def epoch_ms(iso):
    return int(datetime.fromisoformat(iso).timestamp() * 1000 + 0.5)


def round_report(out_path, sim_log, baud, delay_ms):
    firsts = []
    with open(out_path) as f:
        for line in f:
            s = json.loads(line)
            if s["address"] == 1:
                firsts.append(epoch_ms(s["time"]))
    rounds = [b - a for a, b in zip(firsts, firsts[1:])]
    # Line time of one round: every request and reply line of the simulator's log for one round
    # (10 bits a character) and one turnaround per instrument.
    chars = {}
    with open(sim_log) as f:
        for line in f:
            m = re.match(r"\S+ (<-|->) (@..)(\S*)<CR>", line)
            if m:
                key = (m.group(1), m.group(2))
                chars.setdefault(key, len(m.group(2)) + len(m.group(3)) + 1)
    requests = sum(v for (d, _), v in chars.items() if d == "<-")
    replies = sum(v for (d, _), v in chars.items() if d == "->")
    instruments = sum(1 for (d, _) in chars if d == "->")
    limit = (requests + replies) * 10 * 1000 / baud + instruments * delay_ms
    rounds.sort()
    mean = sum(rounds) / len(rounds)
    print(f"rounds measured: {len(rounds)}, instruments answering: {instruments}")
    print(f"line-time limit: {limit:.1f} ms ({requests} request + {replies} reply characters at {baud} baud, "
          f"{instruments} x {delay_ms} ms turnaround)")
    print(f"round time: min {rounds[0]} ms, median {rounds[len(rounds)//2]} ms, mean {mean:.1f} ms, max {rounds[-1]} ms")
    print(f"mean / limit: {mean/limit:.3f}, max / limit: {rounds[-1]/limit:.3f}")


def soak_report(d):
    events = {}
    with open(f"{d}/events") as f:
        for line in f:
            k, v = line.split()
            events[k] = float(v)
    t0 = events["start"]
    printed = []
    with open(f"{d}/cli.out") as f:
        for line in f:
            if line.endswith("\n"):
                s = json.loads(line)
                printed.append((s["address"], epoch_ms(s["time"])))
    delivered = set()
    dropped = None
    with open(f"{d}/sub.log") as f:
        for line in f:
            parts = line.rstrip("\n").split(" ", 2)
            if len(parts) < 3:
                continue
            if parts[1].endswith("/readings"):
                s = json.loads(parts[2])
                delivered.add((s["address"], s["epochMs"]))
            elif parts[1].endswith("/dropped"):
                dropped = int(parts[2])
    off = events.get("broker_off")
    on = events.get("broker_on")
    print(f"samples printed: {len(printed)}, readings messages delivered (distinct): {len(delivered)}")
    print(f"last published drop count: {dropped}")
    missing = [p for p in printed if p not in delivered]
    print(f"printed but not delivered: {len(missing)}")
    if off:
        during = [p for p in printed if off * 1000 <= p[1] < (on or 1e18) * 1000]
        print(f"broker off {off - t0:.0f} s after start" + (f", back at {on - t0:.0f} s" if on else ", still off"))
        print(f"samples while it was off: {len(during)}, of them delivered: {sum(1 for p in during if p in delivered)}")
        if on:
            after = [p for p in printed if p[1] >= on * 1000]
            late = [p for p in after if p not in delivered]
            print(f"samples after it came back: {len(after)}, not delivered: {len(late)}"
                  + (" (the last few may still have been on their way at the end)" if late else ""))
            before = [p for p in printed if p[1] < off * 1000]
            print(f"samples before it went: {len(before)}, not delivered: {sum(1 for p in before if p not in delivered)}")
        # The queue is full once 10,000 samples came while the broker was away.
        full_at = None
        if len(during) >= 10000:
            full_at = sorted(during, key=lambda p: p[1])[9999][1] / 1000 - t0
            print(f"queue full {full_at:.0f} s after start")
    rss = []
    with open(f"{d}/rss.log") as f:
        for line in f:
            parts = line.split()
            if len(parts) == 3:
                rss.append((int(parts[0]), int(parts[1]), int(parts[2])))
    if rss:
        print(f"RSS first {rss[0][1]} KiB, last {rss[-1][1]} KiB (at {rss[-1][0]} s)")
        if off and full_at is not None:
            tail = [r[1] for r in rss if r[0] >= full_at]
            if tail:
                print(f"RSS after the queue filled: min {min(tail)} KiB, max {max(tail)} KiB, "
                      f"spread {(max(tail) - min(tail)) / min(tail) * 100:.1f} % ({len(tail)} readings, every 10 s)")
        # CPU while the broker was there, before it went away: polling and publishing together.
        conn = [r for r in rss if off is None or r[0] <= off - t0]
        if len(conn) >= 2:
            n = sum(1 for p in printed if rss[0][0] + t0 <= p[1] / 1000 <= conn[-1][0] + t0)
            ticks = conn[-1][2] - conn[0][2]
            if n:
                print(f"CPU while publishing: {ticks * 10} ms over {n} samples = {ticks * 10 * 1000 / n:.0f} ms "
                      f"per 1,000 samples (user+system, 10 ms ticks)")


if __name__ == "__main__":
    if sys.argv[1] == "round":
        round_report(sys.argv[2], sys.argv[3], int(sys.argv[4]), int(sys.argv[5]))
    else:
        soak_report(sys.argv[2])
