// The translation files and the desktop files: every text finished in every language.
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void complete_data();
    void complete();
    void upToDate_data() { complete_data(); }
    void upToDate();
};

void TestTranslations::complete_data()
{
    QTest::addColumn<QString>("code");
    for (const char *code : {"de", "fr", "es"})
        QTest::newRow(code) << QString::fromLatin1(code);
}

// Each .ts entry is finished, not vanished, and keeps the source's %1 and %2; the menu entry
// and the metainfo say in the language all that English says.
void TestTranslations::complete()
{
    QFETCH(QString, code);
    static const QRegularExpression marker(QStringLiteral("%L?\\d+"));
    const auto markers = [](const QString &text) {
        QStringList found;
        for (const QRegularExpressionMatch &match : marker.globalMatch(text))
            found << match.captured();
        found.sort();
        return found;
    };
    QFile ts(QStringLiteral(KESTRILON_TS_DIR "/kestrilon_%1.ts").arg(code));
    QVERIFY(ts.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&ts);
    QString source;
    bool counted = false; // a count in plural forms, each checked as a translation
    int entries = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("message")) {
            counted = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")
                   || xml.name() == QLatin1String("numerusform")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            QVERIFY2(type.isEmpty(), qPrintable(type + QLatin1Char(' ') + source));
            if (counted && xml.name() == QLatin1String("translation"))
                continue;
            const QString text = xml.readElementText();
            QVERIFY2(!text.trimmed().isEmpty(), qPrintable(source));
            QCOMPARE(markers(text), markers(source));
            ++entries;
        }
    }
    QVERIFY(!xml.hasError());
    QVERIFY(entries >= 20);

    QFile entry(QStringLiteral(KESTRILON_PACKAGING_DIR "/org.kestrilon.Kestrilon.desktop"));
    QVERIFY(entry.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString entryText = QString::fromUtf8(entry.readAll());
    for (const char *key : {"Name", "GenericName", "Comment", "Keywords"}) {
        const QString own = QStringLiteral("\n%1[%2]=").arg(QLatin1String(key), code);
        if (entryText.contains(QStringLiteral("\n%1=").arg(QLatin1String(key))))
            QVERIFY2(entryText.contains(own), qPrintable(own.trimmed()));
    }

    QFile metainfo(
        QStringLiteral(KESTRILON_PACKAGING_DIR "/org.kestrilon.Kestrilon.metainfo.xml.in"));
    QVERIFY(metainfo.open(QIODevice::ReadOnly));
    QHash<QString, int> english, own;
    QXmlStreamReader meta(&metainfo);
    int depth = 0; // the program's <name> is at depth 2, its developer's deeper
    while (!meta.atEnd()) {
        const QXmlStreamReader::TokenType token = meta.readNext();
        depth += token == QXmlStreamReader::StartElement ? 1
                 : token == QXmlStreamReader::EndElement ? -1 : 0;
        const QString tag = meta.name().toString();
        if (token != QXmlStreamReader::StartElement || (tag == QLatin1String("name") && depth != 2)
            || !QStringList{"name", "summary", "p", "caption"}.contains(tag))
            continue;
        const QString language = meta.attributes().value(QLatin1String("xml:lang")).toString();
        if (language.isEmpty())
            ++english[tag];
        else if (language == code)
            ++own[tag];
    }
    QVERIFY(!meta.hasError());
    QVERIFY(!english.isEmpty());
    QCOMPARE(own, english);
}

// The translation tool run over the sources changes nothing: no text of the program is
// missing from the file, and none is there that the program no longer has.
void TestTranslations::upToDate()
{
    QFETCH(QString, code);
    const QString path = QStringLiteral(KESTRILON_TS_DIR "/kestrilon_%1.ts").arg(code);
    QTemporaryDir scratch;
    const QString copy = scratch.filePath(QFileInfo(path).fileName());
    QVERIFY(scratch.isValid() && QFile::copy(path, copy));
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
