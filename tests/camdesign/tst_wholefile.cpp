// Writing whole or not at all: a full disk, and names that lead to what must not be replaced.
#include "camdesign/wholefile.h"
#include "tests/fulldisk.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace camdesign;

namespace {

const QByteArray kept = "the learner's work\n";

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestWholeFile : public QObject
{
    Q_OBJECT

private slots:
    void fullDiskKeepsTheOldFile_data();
    void fullDiskKeepsTheOldFile();
    void whatMustNotBeReplaced_data();
    void whatMustNotBeReplaced();
    void aLinkIsWrittenThroughAndTheModeKept();
    void sameFileByAnyRoute_data();
    void sameFileByAnyRoute();
};

void TestWholeFile::fullDiskKeepsTheOldFile_data()
{
    QTest::addColumn<int>("size");
    // Less than the device's buffer fails only at the flush; more, at a write.
    QTest::newRow("a small file, refused at the flush") << 300;
    QTest::newRow("a large file, refused while written") << 200'000;
}

void TestWholeFile::fullDiskKeepsTheOldFile()
{
    QFETCH(int, size);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("good.svg"));
    put(path, kept);
    QString failed;
    {
        const FullDisk full(100);
        failed = writeWhole(path, QByteArray(size, 'x'));
    }
    QVERIFY2(!failed.isEmpty(), "a write the disk refused was reported as done");
    QCOMPARE(contentsOf(path), kept);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"good.svg"});
}

void TestWholeFile::whatMustNotBeReplaced_data()
{
    QTest::addColumn<QString>("made");   // how the name is made in the folder
    QTest::addColumn<QString>("refusal"); // empty when the write goes ahead
    QTest::newRow("nothing there") << "none" << QString();
    QTest::newRow("an ordinary file") << "file" << QString();
    QTest::newRow("a folder") << "folder" << "it is a folder";
    QTest::newRow("a link to a device") << "device" << "it is not an ordinary file";
    QTest::newRow("a pipe") << "pipe" << "it is not an ordinary file";
    QTest::newRow("a read-only file") << "read-only" << "it is read-only";
}

void TestWholeFile::whatMustNotBeReplaced()
{
    QFETCH(QString, made);
    QFETCH(QString, refusal);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("out.dxf"));
    const QByteArray name = QFile::encodeName(path);
    if (made == QLatin1String("file") || made == QLatin1String("read-only"))
        put(path, kept);
    if (made == QLatin1String("read-only"))
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup));
    if (made == QLatin1String("folder"))
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("out.dxf")));
    if (made == QLatin1String("device"))
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), path));
    if (made == QLatin1String("pipe"))
        QCOMPARE(::mkfifo(name.constData(), 0644), 0);

    const QString failed = writeWhole(path, QByteArray("0\nSECTION\n"));
    QCOMPARE(failed, refusal);
    if (refusal.isEmpty()) {
        QCOMPARE(contentsOf(path), QByteArray("0\nSECTION\n"));
        return;
    }
    // What was there is still there, as it was.
    if (made == QLatin1String("read-only"))
        QCOMPARE(contentsOf(path), kept);
    if (made == QLatin1String("device"))
        QVERIFY(QFileInfo(path).isSymLink());
    struct stat status {};
    QCOMPARE(::stat(name.constData(), &status), 0);
    if (made == QLatin1String("folder"))
        QVERIFY(S_ISDIR(status.st_mode));
    if (made == QLatin1String("pipe"))
        QVERIFY(S_ISFIFO(status.st_mode));
    if (made == QLatin1String("device"))
        QVERIFY(S_ISCHR(status.st_mode));
}

void TestWholeFile::aLinkIsWrittenThroughAndTheModeKept()
{
    QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("keepme.csv"));
    const QString link = folder.filePath(QStringLiteral("alias.csv"));
    put(target, kept);
    const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QVERIFY(QFile::setPermissions(target, mode));
    QVERIFY(QFile::link(target, link));

    QCOMPARE(writeWhole(link, QByteArray("angle_deg\n")), QString());
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(contentsOf(target), QByteArray("angle_deg\n"));
    QCOMPARE(QFile::permissions(target) & ~(QFile::ReadUser | QFile::WriteUser), mode);
}

void TestWholeFile::sameFileByAnyRoute_data()
{
    QTest::addColumn<QString>("route");
    QTest::addColumn<bool>("same");
    QTest::newRow("the same name") << "same" << true;
    QTest::newRow("./ in front") << "dot" << true;
    QTest::newRow("a symbolic link") << "symlink" << true;
    QTest::newRow("a hard link") << "hard link" << true;
    QTest::newRow("a copy") << "copy" << false;
    QTest::newRow("not there yet") << "absent" << false;
}

void TestWholeFile::sameFileByAnyRoute()
{
    QFETCH(QString, route);
    QFETCH(bool, same);
    QTemporaryDir folder;
    const QString design = folder.filePath(QStringLiteral("same.svg"));
    put(design, kept);
    QString other = folder.filePath(QStringLiteral("other.svg"));
    if (route == QLatin1String("same"))
        other = design;
    if (route == QLatin1String("dot"))
        other = folder.path() + QStringLiteral("/./same.svg");
    if (route == QLatin1String("symlink"))
        QVERIFY(QFile::link(design, other));
    if (route == QLatin1String("hard link"))
        QCOMPARE(::link(QFile::encodeName(design).constData(),
                        QFile::encodeName(other).constData()),
                 0);
    if (route == QLatin1String("copy"))
        QVERIFY(QFile::copy(design, other));
    QCOMPARE(sameFile(design, other), same);
    QCOMPARE(sameFile(other, design), same);
}

QTEST_APPLESS_MAIN(TestWholeFile)
#include "tst_wholefile.moc"
