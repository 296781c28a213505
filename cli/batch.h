#pragma once

#include <istream>
#include <ostream>

#include "cli/call.h"
#include "cli/command_line.h"

namespace mirel::cli {

// mirel-calc batch: a call per line of in, in the words of the command line
// ("dof --focal 50 --aperture 8 --distance 5m", quoted as in a shell), each
// answered on settings, read once, in the output chosen for the batch:
// - text: a block per call, headed "# line 3: dof ...", a blank line
//   between blocks;
// - JSON: JSON Lines, an object per call with its "line" first;
// - CSV: a section per command, in the order the commands first come, each
//   with one heading (every key its rows have) and its rows, each tagged
//   with its line number first; a blank line between sections.
// Blank lines and lines starting with '#' are skipped. A line that cannot
// be answered, or whose result reads n/a, gets its number and the message
// on err, and the batch goes on. Returns the worst exit status of the
// lines.
int runBatch(std::istream &in, Output output, const CalcSettings &settings, CommandLine &commandLine, std::ostream &out,
	     std::ostream &err);

} // namespace mirel::cli
