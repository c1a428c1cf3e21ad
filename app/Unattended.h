#pragma once

namespace mv {

struct ProgramOptions;

// The program without a window: the same start-up checks and start-up record, then one
// automatic run (--auto-once) or the automatic cycle by its settings until SIGTERM
// (--auto). Every log text is printed on standard output, errors on standard error.
// Returns the exit status: 0 when the runs completed (unreachable scales and faulty
// lines included), 1 when start-up failed or an error ended a run.
int runUnattended(const ProgramOptions& options);

} // namespace mv
