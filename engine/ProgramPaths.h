#pragma once

#include <QString>

// Where the program lives and where its files go by default.
namespace ProgramPaths {

// The directory of the running executable (tests may point it elsewhere).
QString programDirectory();
void setProgramDirectoryForTesting(const QString &dir);

// Default and fallback directories: the program directory when it is writable and not an
// installed program's directory (one with ../share/quillop beside it); otherwise
// the user's pictures directory (saving) and the program's data directory (logs), the
// latter created when missing.
QString defaultSaveDir();
QString defaultLogDir();

// The placeholder picture shown for a response that is not an image: images/nai2.jpg beside
// the program, else ../share/quillop/images/nai2.jpg from it; its copy with the caption in the
// language of the translation in use (nai2_de.jpg) where that exists beside it. When neither
// exists the first is returned anyway, and the window falls back to its compiled-in copy.
QString placeholderPath();

// The user manual: docs/manual.html beside the program (a build), else
// ../share/doc/quillop/manual.html from it; empty when neither exists.
QString manualPath();

} // namespace ProgramPaths
