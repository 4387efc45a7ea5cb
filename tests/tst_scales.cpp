// Both windows at the scales desktops ship with. The suite runs once for each of 100 %, 125 %,
// 150 %, 175 %, 200 % and 300 % (QT_SCALE_FACTOR): the questions fit their box, the window on
// screen shows what the scene drawn whole shows, and the window opens where it can be reached.
#include "app/form1.h"
#include "forms/linecontrol.h"
#include "forms/picture.h"
#include "forms/pictures.h"
#include "quiz/form2.h"
#include "quiz/questions.h"

#include <QBackingStore>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>
#include <QtMath>

#include <algorithm>

namespace {

// What a line edit leaves its text: the inside of its frame, less its text margins and the
// two pixels Qt's line edit keeps clear at either end.
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

// The window's own pixels, as the screen has them: the offscreen screen shows the window's
// backing store, at the screen's own density.
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

// The client area drawn whole, in one pass from the bottom layer up, over a copy of `shot`
// and with the very transform the window paints its client area with.
QImage drawnWhole(const Form1 &form, const QImage &shot)
{
    const forms::Surface &client = *form.surface();
    QImage whole = shot;
    whole.setDevicePixelRatio(form.devicePixelRatio());
    QPainter painter(&whole);
    painter.translate(client.mapTo(&form, QPoint(0, 0)));
    painter.setClipRect(client.rect());
    painter.fillRect(client.rect(), client.palette().color(QPalette::Window));
    painter.drawPixmap(0, 0, forms::loadPicture(QStringLiteral("backdrop.bmp")));
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
    void textsFitTheirBox_data();
    void textsFitTheirBox();
    void noSeams_data();
    void noSeams();
    void windowsOpenOnTheScreen();
};

void TestScales::textsFitTheirBox_data()
{
    QTest::addColumn<int>("question"); // 0 for the opening line
    QTest::newRow("opening line") << 0;
    for (int q = 1; q <= quiz::questionCount; ++q)
        QTest::addRow("question %d", q) << q;
}

// Every text the test window writes into Text1 is seen whole, with room to spare at both ends:
// a line wider than the box scrolls to its end and loses its beginning.
void TestScales::textsFitTheirBox()
{
    QFETCH(int, question);
    Form2 quiz;
    quiz.show();
    QVERIFY(QTest::qWaitForWindowExposed(&quiz));
    if (question > 0) {
        quiz.questionNumber = question;
        quiz.Command1_Click();
    }
    const QString text = quiz.Text1->text();
    QVERIFY(!text.isEmpty());
    constexpr int spare = 2; // at each end
    const int width = quiz.Text1->fontMetrics().horizontalAdvance(text);
    QVERIFY2(width + 2 * spare <= textRoom(*quiz.Text1),
             qPrintable(QStringLiteral("\"%1\" is %2 px wide in %3 px")
                            .arg(text)
                            .arg(width)
                            .arg(textRoom(*quiz.Text1))));
}

void TestScales::noSeams_data()
{
    QTest::addColumn<QString>("cams"); // run in turn: P pear, D double lobe, S snail
    QTest::addColumn<int>("ticks");    // each
    QTest::newRow("start-up") << "" << 0;
    QTest::newRow("pear ran a cycle and stopped") << "P" << 8;
    QTest::newRow("double lobe ran a cycle and stopped") << "D" << 4;
    QTest::newRow("snail ran a cycle and stopped") << "S" << 8;
    QTest::newRow("each cam in turn, ten ticks each") << "PDS" << 10;
}

// The client area as the screen shows it after painting piece by piece, as the window paints
// while cams turn, is the client area drawn whole: no device pixel on the border of two
// pieces is left unpainted, whatever the scale. The graphs are left out: their traces are
// drawn at the screen's own density.
void TestScales::noSeams()
{
    QFETCH(QString, cams);
    QFETCH(int, ticks);
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::qWait(20);
    for (const QChar cam : cams) {
        forms::Picture *icon = cam == 'P' ? form.Image4 : cam == 'D' ? form.Image3 : form.Image5;
        forms::Picture *cover = cam == 'P' ? form.Image7 : cam == 'D' ? form.Image8 : form.Image6;
        forms::Timer *timer = cam == 'P' ? form.Timer1 : cam == 'D' ? form.Timer2 : form.Timer3;
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
        form.speed->geometry(),
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
    QVERIFY2(differing == 0, qPrintable(QStringLiteral("%1 device pixels differ, the first at %2,%3")
                                            .arg(differing)
                                            .arg(first.x())
                                            .arg(first.y())));
}

// Both windows open with their top-left corner, and so the title bar and menu bar, on the
// screen; centred, wherever they fit.
void TestScales::windowsOpenOnTheScreen()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.Test_Click();
    QVERIFY(QTest::qWaitForWindowExposed(form.testWindow()));
    const QRect available = form.screen()->availableGeometry();
    for (const QWidget *window : {static_cast<QWidget *>(&form),
                                  static_cast<QWidget *>(form.testWindow())}) {
        const QRect frame = window->frameGeometry();
        QVERIFY2(available.contains(frame.topLeft()),
                 qPrintable(QStringLiteral("%1 at %2,%3")
                                .arg(window->objectName())
                                .arg(frame.x())
                                .arg(frame.y())));
        if (available.width() >= frame.width())
            QVERIFY(qAbs(frame.center().x() - available.center().x()) <= 1);
    }
}

QTEST_MAIN(TestScales)
#include "tst_scales.moc"
