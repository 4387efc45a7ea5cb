#include "language.h"

#include "pictures/loadpicture.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace language {

namespace {

std::unique_ptr<QTranslator> ownTranslator;
std::unique_ptr<QTranslator> qtTranslator;
QString currentCode;

void remove(std::unique_ptr<QTranslator> &translator)
{
    if (translator) {
        QCoreApplication::removeTranslator(translator.get());
        translator.reset();
    }
}

// "de" for "de-DE", "de_AT" or "DE".
QString baseOf(const QString &code)
{
    return code.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
}

} // namespace

QStringList available()
{
    return {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es")};
}

QString known(const QString &code)
{
    const QString base = baseOf(code);
    return available().contains(base) ? base : QString();
}

bool asked(const QString &name, QString *code)
{
    const QString base = baseOf(name);
    if (base == QLatin1String("en")) {
        code->clear();
        return true;
    }
    if (!available().contains(base))
        return false;
    *code = base;
    return true;
}

QString choose(const QStringList &preferred, const QString &localeName)
{
    if (localeName == QLatin1String("C") || localeName == QLatin1String("POSIX"))
        return {};
    for (const QString &code : preferred) {
        const QString base = baseOf(code);
        if (base == QLatin1String("en") || base == QLatin1String("c"))
            return {};
        if (available().contains(base))
            return base;
    }
    return {};
}

QString fromDesktop()
{
    const QLocale system = QLocale::system();
    return choose(system.uiLanguages(), system.name());
}

bool use(const QString &code)
{
    remove(ownTranslator);
    remove(qtTranslator);
    currentCode.clear();
    pictures::setPictureLanguage(QString());
    // What a screen reader is told the program speaks: the text attributes of its text.
    QLocale::setDefault(QLocale(code.isEmpty() ? QStringLiteral("en") : code));
    if (code.isEmpty())
        return true;

    auto own = std::make_unique<QTranslator>();
    if (!own->load(QStringLiteral(":/i18n/kestrilon_%1.qm").arg(code)))
        return false;
    QCoreApplication::installTranslator(own.get());
    ownTranslator = std::move(own);

    // Qt's own texts (the standard dialogs, a text box's context menu) where the system has
    // them; the program works as well without.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_%1").arg(code),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        qtTranslator = std::move(qt);
    }
    currentCode = code;
    pictures::setPictureLanguage(code);
    return true;
}

QString current()
{
    return currentCode;
}

} // namespace language
