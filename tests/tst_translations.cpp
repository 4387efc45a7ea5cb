// The translation files: every text of the program translated in every language, none left
// unfinished or kept for a text the program no longer has, and the files up to date with
// the sources, as the translation tools would leave them.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Entry {
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty
};

QList<Entry> readEntries(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open ") + path;
        return {};
    }
    QList<Entry> entries;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            entries.append({context, xml.readElementText(), {}, {}});
        } else if (xml.name() == QLatin1String("translation") && !entries.isEmpty()) {
            entries.last().type = xml.attributes().value(QLatin1String("type")).toString();
            entries.last().translation = xml.readElementText();
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return entries;
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%L?\\d+"));
    QStringList found;
    for (const QRegularExpressionMatch &match : marker.globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void complete_data();
    void complete();
    void upToDate_data();
    void upToDate();
};

void TestTranslations::complete_data()
{
    QTest::addColumn<QString>("path");
    for (const char *code : {"de", "fr", "es"})
        QTest::newRow(code) << QStringLiteral(KESTRILON_TS_DIR "/kestrilon_%1.ts").arg(code);
}

// Each entry has a finished translation that keeps the source's %1 and %2.
void TestTranslations::complete()
{
    QFETCH(QString, path);
    QString error;
    const QList<Entry> entries = readEntries(path, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(entries.size() >= 20);
    for (const Entry &entry : entries) {
        const QString where = entry.context + QStringLiteral(": ") + entry.source;
        QVERIFY2(entry.type.isEmpty(), qPrintable(entry.type + QStringLiteral(" ") + where));
        QVERIFY2(!entry.translation.trimmed().isEmpty(), qPrintable(where));
        QCOMPARE(placeholders(entry.translation), placeholders(entry.source));
    }
}

void TestTranslations::upToDate_data()
{
    complete_data();
}

// The translation tool run over the sources changes nothing: no text of the program is
// missing from the file, and none is there that the program no longer has.
void TestTranslations::upToDate()
{
    QFETCH(QString, path);
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const QString copy = scratch.filePath(QFileInfo(path).fileName());
    QVERIFY(QFile::copy(path, copy));
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(KESTRILON_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"),
                   QStringLiteral("none"), QStringLiteral("-no-obsolete"),
                   QStringLiteral("@" KESTRILON_SOURCE_LIST), QStringLiteral("-ts"), copy});
    QVERIFY(lupdate.waitForFinished(60000));
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());

    QFile before(path), after(copy);
    QVERIFY(before.open(QIODevice::ReadOnly) && after.open(QIODevice::ReadOnly));
    QVERIFY2(before.readAll() == after.readAll(),
             "out of date: build the update_translations target and translate what it adds");
}

QTEST_APPLESS_MAIN(TestTranslations)
#include "tst_translations.moc"
