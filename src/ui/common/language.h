#pragma once

#include <QString>
#include <QStringList>

namespace pelorin {

// Pelorin's texts are written in English, its source language; the program
// carries translations of them (":/translations/pelorin_LANG.qm").

// The language Pelorin speaks to a user whose languages are uiLanguages, most
// wanted first, as QLocale::uiLanguages() gives them ("de-DE", "fr", "en-US"):
// the first one that is English or has a translation, tried by its whole name
// and then by its language alone; "en" when none is.
QString ChooseLanguage(const QStringList& uiLanguages);

// Shows the texts made from now on in language ("de", "fr", "fa"; "en" for
// the source texts), in place of the one before: Pelorin's texts, and Qt's
// own (its buttons and dialogs) from Qt's translations when they are
// installed. Qt lays the windows out right to left when the translation asks
// for it. Number formats are not touched: they follow the number settings.
// False when language has no translation of Pelorin's (then English is used).
bool UseLanguage(const QString& language);

}  // namespace pelorin
