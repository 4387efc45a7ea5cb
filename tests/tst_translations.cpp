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
    void desktopFiles_data();
    void desktopFiles();
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

void TestTranslations::desktopFiles_data()
{
    QTest::addColumn<QString>("code");
    for (const char *code : {"de", "fr", "es"})
        QTest::newRow(code) << QString::fromLatin1(code);
}

// The menu entry and the software centre's page say in each language what English says:
// every translatable key of the entry, and each of the metainfo's texts, paragraph for
// paragraph.
void TestTranslations::desktopFiles()
{
    QFETCH(QString, code);
    QFile entry(QStringLiteral(KESTRILON_PACKAGING_DIR "/org.kestrilon.Kestrilon.desktop"));
    QVERIFY(entry.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString entryText = QString::fromUtf8(entry.readAll());
    for (const char *key : {"Name", "GenericName", "Comment", "Keywords"}) {
        const QString english = QStringLiteral("\n%1=").arg(QLatin1String(key));
        const QString own = QStringLiteral("\n%1[%2]=").arg(QLatin1String(key), code);
        if (entryText.contains(english))
            QVERIFY2(entryText.contains(own), qPrintable(own.trimmed()));
    }

    QFile metainfo(
        QStringLiteral(KESTRILON_PACKAGING_DIR "/org.kestrilon.Kestrilon.metainfo.xml.in"));
    QVERIFY(metainfo.open(QIODevice::ReadOnly));
    QHash<QString, int> english, own;
    QXmlStreamReader xml(&metainfo);
    int depth = 0; // 1 inside <component>
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement)
            --depth;
        if (token != QXmlStreamReader::StartElement)
            continue;
        ++depth;
        const QString tag = xml.name().toString();
        // the program's name, not its developer's
        if (tag == QLatin1String("name") && depth != 2)
            continue;
        if (tag != QLatin1String("name") && tag != QLatin1String("summary")
            && tag != QLatin1String("p") && tag != QLatin1String("caption"))
            continue;
        const QString language = xml.attributes().value(QLatin1String("xml:lang")).toString();
        if (language.isEmpty())
            english[tag] += 1;
        else if (language == code)
            own[tag] += 1;
    }
    QVERIFY(!xml.hasError());
    QVERIFY(!english.isEmpty());
    QCOMPARE(own, english);
}

QTEST_APPLESS_MAIN(TestTranslations)
#include "tst_translations.moc"
