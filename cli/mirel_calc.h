#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace mirel::cli {

// Exit statuses of mirel-calc, from best to worst.
inline constexpr int kDone = 0;
inline constexpr int kUnusable = 1; // a result reads "n/a"; the reason is on err
inline constexpr int kRefused = 2;  // the command line could not be read; nothing on out

// Runs mirel-calc on args (the program name left out): results to out,
// messages to err, and a batch's calls from in unless it names a file.
// Reads the user's settings file, never writes it.
int run(const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err);

} // namespace mirel::cli
