// Shows the workshop as a learner would meet it and saves what the window paints to a PNG.
#include "app/language.h"
#include "workshop/workshopwindow.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 2) {
        std::fputs("usage: workshop-shots OUT.png [new|pear|double-lobe|snail] [de|fr|es] "
                   "[ANGLE]\n", stderr);
        return 2;
    }
    language::use(arguments.value(3));
    workshop::WorkshopWindow window;
    const QString cam = arguments.value(2);
    using workshop::StartingDesign;
    window.startFrom(cam == QLatin1String("pear")          ? StartingDesign::Pear
                     : cam == QLatin1String("double-lobe") ? StartingDesign::DoubleLobe
                     : cam == QLatin1String("snail")       ? StartingDesign::Snail
                                                           : StartingDesign::New);
    window.model().setAngle(arguments.value(4, QStringLiteral("40")).toDouble());
    window.show();
    QTimer::singleShot(500, &window, [&] {
        const bool saved = window.grab().save(arguments.at(1));
        QApplication::exit(saved ? 0 : 1);
    });
    return QApplication::exec();
}
