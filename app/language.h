// Which language the program speaks, and loading its translations: ours, embedded in the
// executable, and Qt's own from the system where they are installed. English is the
// program's own language and needs no translation.
#pragma once

#include <QString>
#include <QStringList>

namespace language {

// The languages the program has translations for, besides English.
QStringList available();

// The language to speak for a list of preferred languages, most preferred first, as
// QLocale::uiLanguages() gives them ("de-DE", "fr", "C"). The first one we have wins;
// English, or a list with none we have, gives an empty string: the program's own English.
// A desktop whose locale is "C" gets English whatever its preferred languages say, as
// programs translated with gettext do.
QString choose(const QStringList &preferred, const QString &localeName = QString());

// The language the desktop asks for, from QLocale::system().
QString fromDesktop();

// `code` as a language we have ("de" for "de_AT" or "DE-de"), or an empty string if we
// have none for it.
QString known(const QString &code);

// The language a teacher asked for by name ("de", "fr_CA", "en"): true with `code` set (empty
// for English), or false if the program does not speak it.
bool asked(const QString &name, QString *code);

// Installs the translations for `code` (one of available(), or empty for English) in
// place of any installed before, and makes the stored pictures follow. Windows made
// afterwards speak it. False if our own translation could not be loaded.
bool use(const QString &code);

// The language use() last chose; empty for English.
QString current();

} // namespace language
