#pragma once

#include <QStringList>

class QCoreApplication;

// The program's texts in the user's language. The language follows the system locale
// (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG); where no translation of ours exists the
// English source texts stay, and Qt's own texts (standard buttons, the chooser) follow ours,
// so a window never mixes two foreign languages.
namespace Translations {

// Where quillop_<lang>.qm is looked for: translations/ beside the program (a build tree),
// then ../share/quillop/translations from it (an installation).
QStringList searchDirectories();

// Loads and installs our translation and Qt's for the system locale; returns the language
// loaded ("de", "ja", ...) or an empty text when English stays.
QString install(QCoreApplication &app);

// The language install() loaded ("de", "ja"), or empty while English stays.
QString language();
void setLanguageForTesting(const QString &language);

} // namespace Translations
