#pragma once
// Marks for valgrind's callgrind around a benchmark's measured span: started with
// --instr-atstart=no, it counts from START to the dump, named for the run. Without valgrind's
// headers the marks are nothing.
#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_START_INSTRUMENTATION
#define CALLGRIND_STOP_INSTRUMENTATION
#define CALLGRIND_DUMP_STATS_AT(name)
#endif
