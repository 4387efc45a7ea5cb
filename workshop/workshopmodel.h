// What the workshop window shows, with no widgets: the design being edited and what it makes,
// how far the cam has turned, which segment is chosen, and the file it came from. Every edit
// is an undo command that changes the model; the window redraws from it.
#pragma once

#include "camdesign/camprofile.h"
#include "camdesign/design.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <functional>
#include <memory>
#include <optional>

namespace workshop {

class WorkshopModel : public QObject
{
    Q_OBJECT

public:
    // Points around the turn the analysis samples: one each tenth of a degree.
    static constexpr int samples = 3600;
    // How many changes can be undone.
    static constexpr int undoLimit = 1000;

    // A segment added where the rest of the turn is no angle a segment can have: a dwell of
    // this many degrees, with the height a rise would start from.
    static constexpr double newSegmentAngle = 30;
    static constexpr double newSegmentHeight = 10;
    static constexpr camdesign::MotionLaw newSegmentLaw = camdesign::MotionLaw::Cycloidal;

    // The values a learner sets with a number. Nudges of one value of one segment in a row
    // are one undo step.
    enum class Field {
        SegmentAngle = 1,
        SegmentHeight,
        RollerRadius,
        Offset,
        BaseCircle,
        HoleDiameter,
        FlatDepth,
        Speed,
        PressureLimit,
    };
    // The merge key of a nudge of `field`, of the segment `segment` where it is a segment's.
    static int mergeKey(Field field, int segment);

    explicit WorkshopModel(QObject *parent = nullptr);
    ~WorkshopModel() override;

    const camdesign::CamDesign &design() const { return m_design; }
    const camdesign::CamAnalysis &analysis() const { return m_analysis; }
    // The follower and the outline at any angle, for the design as it is.
    const camdesign::CamGeometry &geometry() const { return *m_geometry; }

    // One undo step named `what` that makes the design `changed`; nothing when it is the
    // design already. Edits with the same merge key in a row become one step, as a number
    // nudged up five times is one change; endMerging() ends that run.
    void edit(const camdesign::CamDesign &changed, const QString &what, int mergeKey = -1);
    void endMerging() { ++m_mergeRun; }
    // Starts afresh with a design from a file (or none, for an unsaved one), forgetting the
    // undo history: nothing is modified.
    void reset(const camdesign::CamDesign &design, const QString &path = QString());
    QUndoStack *undoStack() { return &m_undo; }

    // The learner's edits, one undo step each. Those of a segment change the chosen one and
    // do nothing when there is none.
    void setNumber(Field field, double value);
    void setSegmentKind(camdesign::SegmentKind kind);
    void setMotionLaw(camdesign::MotionLaw law);
    void setFollowerType(camdesign::FollowerType type);
    void setRotation(camdesign::Rotation rotation);
    void setHoleShape(camdesign::HoleShape shape);
    // A dwell after the chosen segment, over the rest of the turn where that can be a
    // segment's angle; the new segment is chosen.
    void addSegment();
    void removeSegment();
    // Swaps the chosen segment with the one above (-1) or below (+1); it stays chosen.
    void moveSegment(int by);
    // Closes the turn with a dwell, or by growing the last segment where a dwell of its own
    // would be too thin, would follow a dwell, or is one segment too many.
    void fillWithDwell();
    // The smallest base circle that works, as workingBase() gives it; nothing when no base
    // circle makes this cam.
    void useSmallestBase();
    // The smallest base circle that works, rounded up to the hundredth of a millimetre the
    // editors show, and for a flat face strictly above the one that just makes a cusp.
    double workingBase() const;

    void undo();
    void redo();

    // Degrees the cam has turned, in its own direction, from 0 up to 360.
    double angle() const { return m_angle; }
    void setAngle(double degrees);
    void turnBy(double degrees) { setAngle(m_angle + degrees); }
    // The follower and the outline at the turning angle.
    camdesign::CamPoint pointNow() const;

    // The segment the editors show, or -1 when there are none.
    int chosenSegment() const { return m_chosenSegment; }
    void chooseSegment(int index);

    QString path() const { return m_path; }
    bool isModified() const { return !m_undo.isClean(); }
    void markSaved(const QString &path);

signals:
    void designChanged();
    void angleChanged();
    void chosenSegmentChanged();
    void fileChanged(); // the path, or whether there are unsaved changes

private:
    friend class DesignEdit;
    void apply(const camdesign::CamDesign &design);
    void change(const std::function<void(camdesign::CamDesign &)> &how, const QString &what,
                int mergeKey = -1);
    // `field` merges nudges; a segment's choices, which are not nudged, pass none.
    void changeSegment(const std::function<void(camdesign::Segment &)> &how,
                       const QString &what, std::optional<Field> field = std::nullopt);

    camdesign::CamDesign m_design;
    camdesign::CamAnalysis m_analysis;
    std::unique_ptr<camdesign::CamGeometry> m_geometry;
    QUndoStack m_undo;
    int m_mergeRun = 0;
    double m_angle = 0;
    int m_chosenSegment = 0;
    QString m_path;
};

} // namespace workshop
