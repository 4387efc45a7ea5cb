// Both windows at each QT_SCALE_FACTOR desktops ship with: texts fit their boxes in every
// language and desktop font, the screen shows the scene drawn whole, and the window opens where
// it is reached.
#include "cams.h"
#include "app/simulationwindow.h"
#include "app/language.h"
#include "forms/linecontrol.h"
#include "forms/picture.h"
#include "pictures/loadpicture.h"
#include "quiz/testwindow.h"
#include "quiz/questions.h"

#include <QApplication>
#include <QBackingStore>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTest>
#include <QtMath>

#include <algorithm>

using animation::Cam;

namespace {

// A line edit's room for text: inside its frame and margins, less 2 px kept clear each end.
int textRoom(const QLineEdit &box)
{
    QStyleOptionFrame option;
    option.initFrom(&box);
    option.lineWidth = box.hasFrame() ? box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth,
                                                                  &option, &box)
                                      : 0;
    const QRect inside = box.style()
                             ->subElementRect(QStyle::SE_LineEditContents, &option, &box)
                             .marginsRemoved(box.textMargins());
    return inside.width() - 2 * 2;
}

// The three captions the button shows: before the test, between questions, after it.
QStringList buttonCaptions()
{
    TestWindow quiz;
    quiz.show();
    QStringList captions{quiz.controls().button->text()};
    quiz.pressButton();
    quiz.answer(Cam::Pear);
    captions << quiz.controls().button->text();
    quiz.skipTo(quiz::questionCount);
    quiz.pressButton();
    quiz.answer(Cam::Pear);
    quiz.pressButton();
    return captions << quiz.controls().button->text();
}

// The button's room for a caption: inside its border, and clear of the focus frame drawn
// along the border's inner edge.
int buttonRoom(const QPushButton &button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    return button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button).width()
           - 2 * button.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, &option, &button);
}

// The window's pixels as the offscreen screen shows them: its backing store.
QImage onScreen(QWidget &window)
{
    QBackingStore *store = window.backingStore();
    const auto *image = store ? dynamic_cast<const QImage *>(store->paintDevice()) : nullptr;
    if (!image)
        return {};
    QImage pixels = image->convertToFormat(QImage::Format_RGB32);
    pixels.setDevicePixelRatio(1.0);
    return pixels;
}

// The client area drawn whole in one pass, bottom layer up, over a copy of `shot`.
QImage drawnWhole(const SimulationWindow &form, const QImage &shot)
{
    const forms::Surface &client = *form.surface();
    QImage whole = shot;
    whole.setDevicePixelRatio(form.devicePixelRatio());
    QPainter painter(&whole);
    painter.translate(client.mapTo(&form, QPoint(0, 0)));
    painter.setClipRect(client.rect());
    painter.fillRect(client.rect(), client.palette().color(QPalette::Window));
    painter.drawPixmap(0, 0, pictures::loadPicture(QStringLiteral("backdrop.bmp")));
    painter.drawImage(client.rect(), client.drawing());
    const auto &controls = client.controls();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
        if ((*it)->isVisible())
            (*it)->paint(painter);
    }
    painter.end();
    whole.setDevicePixelRatio(1.0);
    return whole;
}

} // namespace

class TestScales : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(language::use(QString())); }
    void textsFit_data();
    void textsFit();
    void captionsFit_data();
    void captionsFit();
    void noSeams_data();
    void noSeams();
    void windowsOpenOnTheScreen();
};

void TestScales::textsFit_data()
{
    QTest::addColumn<QString>("code");
    for (const char *code : {"en", "de", "fr", "es"})
        QTest::newRow(code) << (qstrcmp(code, "en") ? QString::fromLatin1(code) : QString());
}

// The opening line and every question show whole in questionBox (a wider line scrolls and loses
// its start); the button's three captions and the score line fit their boxes.
void TestScales::textsFit()
{
    QFETCH(QString, code);
    QVERIFY(language::use(code));
    TestWindow quiz;
    quiz.show();
    QVERIFY(QTest::qWaitForWindowExposed(&quiz));
    QStringList tooWide;
    const auto check = [&tooWide](const QWidget &box, int room, const QString &text) {
        const int width = box.fontMetrics().horizontalAdvance(text);
        if (width > room)
            tooWide << QStringLiteral("%1: \"%2\" is %3 px wide in %4 px")
                           .arg(box.objectName(), text).arg(width).arg(room);
    };
    for (int question = 1;; ++question) {
        QVERIFY(!quiz.controls().questionBox->text().isEmpty());
        const forms::TextBox &questionBox = *quiz.controls().questionBox;
        check(questionBox, textRoom(questionBox) - 2 * 2, questionBox.text());
        if (question > quiz::questionCount)
            break;
        quiz.skipTo(question);
        quiz.pressButton();
    }
    const QStringList captions = buttonCaptions();
    QCOMPARE(QSet<QString>(captions.begin(), captions.end()).size(), 3);
    TestWindow fresh;
    fresh.show();
    for (const QString &caption : captions)
        check(*fresh.controls().button, buttonRoom(*fresh.controls().button), caption);
    const forms::TextBox &scoreCaption = *fresh.controls().scoreCaption;
    check(scoreCaption, textRoom(scoreCaption), scoreCaption.text());
    const QString mostAnswered = QString::number(quiz::questionCount);
    check(*fresh.controls().scoreBox, textRoom(*fresh.controls().scoreBox), mostAnswered);
    check(*fresh.controls().answeredBox, textRoom(*fresh.controls().answeredBox), mostAnswered);
    QVERIFY2(tooWide.isEmpty(), qPrintable(tooWide.join(QLatin1Char('\n'))));
}

void TestScales::captionsFit_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QFont>("font");
    // The desktop's font: 9 pt Sans with no platform theme, 10 pt Noto Sans on Plasma, 11 pt
    // on GNOME. Noto Sans, narrower than DejaVu Sans, is measured where it is installed: once
    // installed it becomes fontconfig's Sans, and every other window under test would change.
    for (const char *family : {"DejaVu Sans", "Noto Sans"}) {
        if (!QFontDatabase::hasFamily(QString::fromLatin1(family)))
            continue;
        for (const char *code : {"en", "de", "fr", "es"}) {
            for (int points : {9, 10, 11}) {
                QTest::addRow("%s, %s %d pt", code, family, points)
                    << (qstrcmp(code, "en") ? QString::fromLatin1(code) : QString())
                    << QFont(QString::fromLatin1(family), points);
            }
        }
    }
}

// The button takes the desktop's font: each of its captions shows whole in it.
void TestScales::captionsFit()
{
    QFETCH(QString, code);
    QFETCH(QFont, font);
    const QFont before = QApplication::font();
    const auto restore = qScopeGuard([&before] { QApplication::setFont(before); });
    QApplication::setFont(font);
    QVERIFY(language::use(code));
    TestWindow quiz;
    quiz.show();
    QCOMPARE(QFontInfo(quiz.controls().button->font()).family(), font.family());
    const int room = buttonRoom(*quiz.controls().button);
    for (const QString &caption : buttonCaptions()) {
        const int width = quiz.controls().button->fontMetrics().horizontalAdvance(caption);
        QVERIFY2(width <= room, qPrintable(QStringLiteral("\"%1\" is %2 px wide in %3 px")
                                               .arg(caption).arg(width).arg(room)));
    }
}

void TestScales::noSeams_data()
{
    QTest::addColumn<QString>("cams"); // run in turn: P pear, D double lobe, S snail
    QTest::addColumn<int>("ticks");    // each
    QTest::newRow("start-up") << "" << 0;
    QTest::newRow("double lobe a cycle") << "D" << 4;
    QTest::newRow("each cam in turn") << "PDS" << 10;
}

// Painted piece by piece as cams turn, the client area is what it is drawn whole: no device
// pixel between two pieces is left unpainted. The graphs draw at the screen's own density.
void TestScales::noSeams()
{
    QFETCH(QString, cams);
    QFETCH(int, ticks);
    SimulationWindow form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::qWait(20);
    for (const QChar cam : cams) {
        const SimulationWindow::CamControls controls = form.controlsOf(camLettered(cam));
        forms::Picture *icon = controls.icon;
        forms::Picture *cover = controls.cover;
        forms::Timer *timer = controls.timer;
        QTest::mouseClick(form.surface(), Qt::LeftButton, {}, icon->area().center());
        for (int t = 0; t < ticks; ++t) {
            timer->tick();
            QTest::qWait(5);
        }
        QTest::mouseClick(form.surface(), Qt::LeftButton, {}, cover->area().center());
        QVERIFY(icon->isVisible());
        QTest::qWait(20);
    }

    const QImage shot = onScreen(form);
    const QImage whole = drawnWhole(form, shot);
    const qreal ratio = form.devicePixelRatio();
    const QPoint origin = form.surface()->mapTo(&form, QPoint(0, 0));
    // Client rectangles left out, in window pixels.
    const QList<QRect> leftOut{
        form.speed()->geometry(),
        QRect(QPoint(462, 54), QPoint(626, 154)),  // pear graph
        QRect(QPoint(462, 174), QPoint(626, 282)), // double-lobe graph
        QRect(QPoint(462, 302), QPoint(626, 410)), // snail graph
    };
    // The device pixels wholly inside the client area.
    const QRect client(QPoint(qCeil(origin.x() * ratio), qCeil(origin.y() * ratio)),
                       QPoint(qFloor((origin.x() + form.surface()->width()) * ratio) - 1,
                              qFloor((origin.y() + form.surface()->height()) * ratio) - 1));
    int differing = 0;
    QPoint first;
    for (int y = client.top(); y <= client.bottom(); ++y) {
        for (int x = client.left(); x <= client.right(); ++x) {
            const QPoint at = QPointF(x / ratio, y / ratio).toPoint() - origin;
            const bool skipped = std::any_of(leftOut.begin(), leftOut.end(), [&](QRect r) {
                return r.adjusted(-1, -1, 1, 1).contains(at);
            });
            if (skipped || shot.pixel(x, y) == whole.pixel(x, y))
                continue;
            if (differing++ == 0)
                first = QPoint(x, y);
        }
    }
    QVERIFY2(differing == 0, qPrintable(QStringLiteral("%1 device pixels differ, first at %2,%3")
                                            .arg(differing).arg(first.x()).arg(first.y())));
}

// Both windows open with their top-left corner on the screen, centred wherever they fit.
void TestScales::windowsOpenOnTheScreen()
{
    SimulationWindow form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.openTest();
    QVERIFY(QTest::qWaitForWindowExposed(form.testWindow()));
    const QRect available = form.screen()->availableGeometry();
    for (const QWidget *window : {static_cast<QWidget *>(&form),
                                  static_cast<QWidget *>(form.testWindow())}) {
        const QRect frame = window->frameGeometry();
        QVERIFY2(available.contains(frame.topLeft()),
                 qPrintable(window->objectName()));
        if (available.width() >= frame.width())
            QVERIFY(qAbs(frame.center().x() - available.center().x()) <= 1);
    }
}

QTEST_MAIN(TestScales)
#include "tst_scales.moc"
