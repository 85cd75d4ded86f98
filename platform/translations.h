// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's translations: catalogues "pelorin_<language>.qm" that the build puts in
// bin/translations and the install in share/pelorin/translations, and Qt's own catalogue
// "qtbase_<language>.qm" for the texts Qt draws itself (standard buttons, file chooser).

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;
class QTranslator;

namespace pelorin {

// Where the program's catalogues are looked for, in order: beside the program, in the data
// folder relative to the program (an installed tree moved elsewhere), and in the data folder
// the program was built for.
[[nodiscard]] QStringList translationFolders();

// Loads the program's catalogue that best fits `locale` ("de_AT" takes "de", "zh_CN" takes
// "zh_CN") into `translator`. Returns the file loaded, or an empty string when the program
// has no catalogue for that language (it then speaks English).
QString loadProgramCatalogue(QTranslator& translator, const QLocale& locale);

// Installs the program's catalogue for `locale` and, when there is one, Qt's own catalogue of
// the same language, so one window never mixes two languages. The translators belong to `app`.
// Returns the language of the installed catalogue ("de", "zh_CN"), or an empty string.
QString installTranslations(QCoreApplication& app, const QLocale& locale = QLocale::system());

}  // namespace pelorin
