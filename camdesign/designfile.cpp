// Reading is strict and says where: every field is looked for by name, its type and range
// checked, and anything unknown refused, so a file either gives the whole design or nothing.
#include "designfile.h"

#include "choices.h"
#include "motion.h"
#include "strictjson.h"
#include "wholefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace camdesign {
namespace {

// The messages' translation context.
class DesignFile
{
    Q_DECLARE_TR_FUNCTIONS(DesignFile)
};

QString number(double value)
{
    return QLocale::c().toString(value, 'g', 10);
}

// Thrown inside the reader and caught once at its top, carrying the message.
struct Refusal {
    QString message;
};

[[noreturn]] void refuse(const QString &message)
{
    throw Refusal{message};
}

// One JSON object being read: `where` names it in messages ("Segment 2: ", "The follower: ").
class Fields
{
public:
    Fields(const QJsonObject &object, QString where) : m_object(object), m_where(std::move(where))
    {}

    QJsonValue required(const QString &key)
    {
        m_read.insert(key);
        const QJsonValue value = m_object.value(key);
        if (value.isUndefined())
            refuse(m_where + DesignFile::tr("the field \"%1\" is missing.").arg(key));
        return value;
    }

    bool has(const QString &key) const { return m_object.contains(key); }

    double length(const QString &key, Range range)
    {
        const QJsonValue value = required(key);
        if (!value.isDouble())
            refuse(m_where + DesignFile::tr("\"%1\" must be a number.").arg(key));
        const double x = value.toDouble();
        if (!std::isfinite(x) || !range.contains(x))
            refuse(m_where + DesignFile::tr("\"%1\" is %2 %4; it must be from %3 to %5 %4.")
                                 .arg(key, number(x), number(range.lowest))
                                 .arg(QString::fromUtf8(unitSymbol(range.unit)), number(range.highest)));
        return x;
    }

    double optionalLength(const QString &key, Range range, double fallback)
    {
        return has(key) ? length(key, range) : fallback;
    }

    QString text(const QString &key)
    {
        const QJsonValue value = required(key);
        if (!value.isString())
            refuse(m_where + DesignFile::tr("\"%1\" must be a text.").arg(key));
        return value.toString();
    }

    // A text that must be one of the tokens of `table`, giving the matching value.
    template <typename Table>
    auto choice(const QString &key, const Table &table) -> decltype(table[0].value)
    {
        const QString value = text(key);
        if (const auto found = fromToken(table, value))
            return *found;
        QStringList allowed;
        for (const auto &row : table)
            allowed.append(QLatin1Char('"') + QLatin1String(row.token) + QLatin1Char('"'));
        refuse(m_where + DesignFile::tr("\"%1\" is \"%2\"; it must be one of %3.")
                             .arg(key, excerpt(value), allowed.join(QStringLiteral(", "))));
    }

    // Refuses any field that was not asked for.
    void finish() const
    {
        for (auto it = m_object.begin(); it != m_object.end(); ++it)
            if (!m_read.contains(it.key()))
                refuse(m_where + DesignFile::tr("the field \"%1\" is not part of a design.")
                                     .arg(excerpt(it.key())));
    }

    // Marks an optional field as known whether or not it is there.
    void allow(const QString &key) { m_read.insert(key); }

private:
    QJsonObject m_object;
    QString m_where;
    QSet<QString> m_read;
};

QString tooLarge(qint64 size)
{
    return DesignFile::tr("The file is %1 bytes; a design is never larger than %2 bytes.")
        .arg(size)
        .arg(largestDesignFile);
}

QString capitalised(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}


Segment readSegment(const QJsonValue &value, int number)
{
    const QString where = DesignFile::tr("Segment %1: ").arg(number);
    if (!value.isObject())
        refuse(where + DesignFile::tr("it must be an object with a kind and an angle."));
    Fields fields(value.toObject(), where);
    Segment segment;
    segment.kind = fields.choice(QStringLiteral("kind"), segmentKinds);
    segment.angleDegrees = fields.length(QStringLiteral("angle"), ranges::segmentAngle);
    if (segment.kind != SegmentKind::Dwell) {
        segment.height = fields.length(QStringLiteral("height"), ranges::height);
        segment.law = fields.choice(QStringLiteral("law"), motionLaws);
    }
    fields.finish();
    return segment;
}

Follower readFollower(const QJsonValue &value)
{
    const QString where = DesignFile::tr("The follower: ");
    if (!value.isObject())
        refuse(where + DesignFile::tr("it must be an object with a type and an offset."));
    Fields fields(value.toObject(), where);
    Follower follower;
    follower.type = fields.choice(QStringLiteral("type"), followerTypes);
    if (follower.type == FollowerType::Roller)
        follower.rollerRadius = fields.length(QStringLiteral("radius"), ranges::rollerRadius);
    follower.offset = fields.optionalLength(QStringLiteral("offset"), ranges::offset, 0);
    fields.allow(QStringLiteral("offset"));
    fields.finish();
    return follower;
}

CamDesign readObject(const QJsonObject &object)
{
    Fields fields(object, QString());
    const QString format = fields.required(QStringLiteral("format")).toString();
    if (format != QLatin1String(designFormat))
        refuse(DesignFile::tr("This is not a Kestrilon cam design (its format is \"%1\").")
                   .arg(excerpt(format)));
    const QJsonValue version = fields.required(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() != std::floor(version.toDouble()))
        refuse(DesignFile::tr("\"version\" must be a whole number."));
    if (version.toDouble() > designVersion)
        refuse(DesignFile::tr("This design was saved by a newer Kestrilon (format version %1); "
                              "this one reads version %2.")
                   .arg(number(version.toDouble()))
                   .arg(designVersion));
    if (version.toDouble() < 1)
        refuse(DesignFile::tr("\"version\" is %1; it must be %2.").arg(number(version.toDouble()))
                   .arg(designVersion));

    CamDesign design;
    design.name = fields.text(QStringLiteral("name"));
    // Counted in characters as a learner sees them, so a name in emoji fits as one in letters.
    const qsizetype nameLength = QStringView(design.name).toUcs4().size();
    if (nameLength > ranges::longestName)
        refuse(DesignFile::tr("\"name\" is %1 characters long; at most %2 fit.")
                   .arg(nameLength)
                   .arg(ranges::longestName));
    design.rotation = fields.choice(QStringLiteral("rotation"), rotations);
    design.baseCircleRadius =
        fields.length(QStringLiteral("baseCircleRadius"), ranges::baseCircleRadius);
    design.hole.diameter =
        fields.length(QStringLiteral("shaftHoleDiameter"), ranges::shaftHoleDiameter);
    if (fields.has(QStringLiteral("shaftHoleShape")))
        design.hole.shape = fields.choice(QStringLiteral("shaftHoleShape"), holeShapes);
    fields.allow(QStringLiteral("shaftHoleShape"));
    design.hole.flatDepth = fields.optionalLength(QStringLiteral("shaftHoleFlatDepth"),
                                                  ranges::flatDepth, design.hole.flatDepth);
    fields.allow(QStringLiteral("shaftHoleFlatDepth"));
    design.speedRpm =
        fields.optionalLength(QStringLiteral("speed"), ranges::speedRpm, design.speedRpm);
    fields.allow(QStringLiteral("speed"));
    design.pressureAngleLimitDegrees =
        fields.optionalLength(QStringLiteral("pressureAngleLimit"), ranges::pressureAngleLimit,
                              design.pressureAngleLimitDegrees);
    fields.allow(QStringLiteral("pressureAngleLimit"));
    design.kerf = fields.optionalLength(QStringLiteral("kerf"), ranges::kerf, 0);
    fields.allow(QStringLiteral("kerf"));
    design.follower = readFollower(fields.required(QStringLiteral("follower")));

    const QJsonValue segments = fields.required(QStringLiteral("segments"));
    if (!segments.isArray())
        refuse(DesignFile::tr("\"segments\" must be a list of segments."));
    const QJsonArray list = segments.toArray();
    if (list.size() > ranges::mostSegments)
        refuse(DesignFile::tr("The design has %1 segments; at most %2 fit in a turn.")
                   .arg(list.size())
                   .arg(ranges::mostSegments));
    for (int i = 0; i < list.size(); ++i)
        design.segments.push_back(readSegment(list.at(i), i + 1));
    fields.finish();

    const QString error = designError(design);
    if (!error.isEmpty())
        refuse(error);
    return design;
}

} // namespace

QString designError(const CamDesign &design)
{
    const MotionCheck check = checkMotion(design.segments);
    switch (check.fault) {
    case MotionFault::None:
        break;
    case MotionFault::NoSegments:
        return DesignFile::tr("The design has no segments; a turn needs at least one.");
    case MotionFault::AnglesDoNotAddUp:
        return DesignFile::tr("The segments' angles add up to %1°; a turn is 360°.")
            .arg(number(check.angleSum));
    case MotionFault::DoesNotClose:
        return DesignFile::tr("The rises and returns do not cancel: the follower ends %1 mm from "
                              "where it started.")
            .arg(number(check.finalLift));
    case MotionFault::BelowBaseCircle:
        return DesignFile::tr("Segment %1: the follower would return below where it started.")
            .arg(check.segment + 1);
    }
    if (design.hole.diameter / 2 >= design.baseCircleRadius)
        return DesignFile::tr("The shaft hole (%1 mm across) does not fit inside the base circle "
                              "(radius %2 mm).")
            .arg(number(design.hole.diameter), number(design.baseCircleRadius));
    if (design.hole.shape == HoleShape::DFlat && design.hole.flatDepth >= design.hole.diameter / 2)
        return DesignFile::tr("The shaft hole's flat (%1 mm deep) cuts past its centre.")
            .arg(number(design.hole.flatDepth));
    return {};
}

DesignReading readDesign(const QByteArray &bytes)
{
    if (bytes.size() > largestDesignFile)
        return {std::nullopt, tooLarge(bytes.size())};
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) {
            return c == ' ' || c == '\t' || c == '\n' || c == '\r';
        }))
        return {std::nullopt, DesignFile::tr("The file is empty.")};
    const JsonReading json = readStrictJson(bytes);
    if (!json.error.isEmpty())
        return {std::nullopt, json.error};
    if (!json.value.isObject())
        return {std::nullopt,
                DesignFile::tr("The file is not a design: it holds no JSON object.")};
    try {
        return {readObject(json.value.toObject()), QString()};
    } catch (const Refusal &refusal) {
        return {std::nullopt, capitalised(refusal.message)};
    }
}

DesignReading loadDesign(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt,
                DesignFile::tr("The file cannot be read: %1.").arg(file.errorString())};
    if (!file.isSequential() && file.size() > largestDesignFile)
        return {std::nullopt, tooLarge(file.size())};
    // A pipe or a device tells no size, so read one byte past the largest design and stop.
    QByteArray bytes;
    while (bytes.size() <= largestDesignFile) {
        const QByteArray more = file.read(largestDesignFile + 1 - bytes.size());
        if (more.isEmpty())
            break;
        bytes += more;
    }
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt,
                DesignFile::tr("The file cannot be read: %1.").arg(file.errorString())};
    if (bytes.size() > largestDesignFile && file.isSequential())
        return {std::nullopt,
                DesignFile::tr("The file holds more than %1 bytes; a design is never that large.")
                    .arg(largestDesignFile)};
    return readDesign(bytes);
}

QByteArray writeDesign(const CamDesign &design)
{
    QJsonObject follower{{QStringLiteral("type"), tokenOf(design.follower.type)},
                         {QStringLiteral("offset"), design.follower.offset}};
    if (design.follower.type == FollowerType::Roller)
        follower.insert(QStringLiteral("radius"), design.follower.rollerRadius);
    QJsonArray segments;
    for (const Segment &segment : design.segments) {
        QJsonObject object{{QStringLiteral("kind"), tokenOf(segment.kind)},
                           {QStringLiteral("angle"), segment.angleDegrees}};
        if (segment.kind != SegmentKind::Dwell) {
            object.insert(QStringLiteral("height"), segment.height);
            object.insert(QStringLiteral("law"), tokenOf(segment.law));
        }
        segments.append(object);
    }
    QJsonObject object{
        {QStringLiteral("format"), QString::fromLatin1(designFormat)},
        {QStringLiteral("version"), designVersion},
        {QStringLiteral("name"), design.name},
        {QStringLiteral("rotation"), tokenOf(design.rotation)},
        {QStringLiteral("baseCircleRadius"), design.baseCircleRadius},
        {QStringLiteral("shaftHoleDiameter"), design.hole.diameter},
        {QStringLiteral("shaftHoleShape"), tokenOf(design.hole.shape)},
        {QStringLiteral("speed"), design.speedRpm},
        {QStringLiteral("pressureAngleLimit"), design.pressureAngleLimitDegrees},
        {QStringLiteral("kerf"), design.kerf},
        {QStringLiteral("follower"), follower},
        {QStringLiteral("segments"), segments},
    };
    if (design.hole.shape == HoleShape::DFlat)
        object.insert(QStringLiteral("shaftHoleFlatDepth"), design.hole.flatDepth);
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

QString saveDesign(const CamDesign &design, const QString &path)
{
    const QString failed = writeWhole(path, writeDesign(design));
    if (!failed.isEmpty())
        return DesignFile::tr("The design cannot be saved as %1: %2.")
            .arg(QFileInfo(path).fileName(), failed);
    return {};
}

} // namespace camdesign
