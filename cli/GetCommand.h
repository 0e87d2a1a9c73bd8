#pragma once

// `quillop get`: a download run on the command line, with no window and no display.
namespace GetCommand {

// True when the command line asks for it (its first word is "get").
bool isRequested(int argc, char **argv);

// Runs it to its end and returns the exit status: 0 every attempt saved or skipped a
// picture, 1 an attempt failed or was not a picture, 2 a usage error (nothing fetched),
// 130 stopped by SIGINT or SIGTERM, 141 stopped because standard output lost its reader.
int run(int &argc, char **argv);

} // namespace GetCommand
