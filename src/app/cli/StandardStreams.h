#pragma once

namespace shrink4::cli {

// Keeps a closed standard stream closed in effect: a file opened later must not take its
// descriptor, or the output would land in an input file. Reads from a closed standard input
// and writes to a closed standard output then fail, as they should. Also turns a closed
// pipe on the output into a write error instead of a silent death by SIGPIPE.
void guardStandardStreams();

} // namespace shrink4::cli
