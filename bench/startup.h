#pragma once
// The child process of the start-up benchmark: the benchmark program run
// with kStartChildOption starts the program as main() does, up to its main
// menu, instead of running the benchmarks.

namespace fixtora::bench {

inline constexpr char kStartChildOption[] = "--start-to-main-menu";

// argv[2], when given, is the program folder (where "config.ini" is kept).
int StartToMainMenu(int argc, char **argv);

} // namespace fixtora::bench
