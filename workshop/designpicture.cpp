// The views are built on a model of their own, never shown, and rendered into the image in
// the places a layout gives them, so the picture is the window's drawing, not a second one.
#include "designpicture.h"

#include "camview.h"
#include "graphview.h"
#include "workshopmodel.h"

#include "camdesign/wholefile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>

namespace workshop {
namespace {

class PictureText
{
    Q_DECLARE_TR_FUNCTIONS(PictureText)
};

} // namespace

QImage designPicture(const camdesign::CamDesign &design, QSize size)
{
    size = size.expandedTo({smallestPictureSide, smallestPictureSide})
               .boundedTo({largestPictureSide, largestPictureSide});
    WorkshopModel model;
    model.reset(design);

    QWidget sheet;
    sheet.setAttribute(Qt::WA_DontShowOnScreen);
    QPalette palette = sheet.palette();
    palette.setColor(QPalette::Window, Qt::white);
    sheet.setPalette(palette);
    sheet.setAutoFillBackground(true);
    auto *row = new QHBoxLayout(&sheet);
    row->setContentsMargins(12, 12, 12, 12);
    auto *cam = new CamView(&model);
    row->addWidget(cam, 1);
    auto *graphs = new QVBoxLayout;
    graphs->setSpacing(4);
    for (const Quantity quantity : allQuantities)
        graphs->addWidget(new GraphView(&model, quantity), 1);
    row->addLayout(graphs, 1);
    sheet.resize(size);
    sheet.layout()->activate();

    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    sheet.render(&image);
    return image;
}

QString saveDesignPicture(const camdesign::CamDesign &design, const QString &path, QSize size)
{
    const QImage image = designPicture(design, size);
    const QString failed = camdesign::writeWhole(path, [&image](QIODevice &device) {
        return image.save(&device, "PNG");
    });
    if (!failed.isEmpty())
        return PictureText::tr("The picture cannot be written to %1: %2.")
            .arg(QFileInfo(path).filePath(), failed);
    return {};
}

} // namespace workshop
