// The cam workshop: the learner chooses a motion and a follower, and sees the cam that makes
// it turning, with its lift, velocity, acceleration, jerk and pressure angle, the numbers that
// decide whether it works and the warnings where it does not. Every change is one undo step
// and redraws at once; designs are saved and opened as files.
#pragma once

#include "editorcolumn.h"
#include "startingdesigns.h"
#include "workshopmodel.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QMessageBox>
#include <QTimer>

#include <functional>
#include <set>

class QAction;
class QPrinter;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSlider;

namespace workshop {

class Announcer;
class CamView;
class GraphView;

class WorkshopWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit WorkshopWindow(QWidget *parent = nullptr);
    ~WorkshopWindow() override;

    // Opens a design file in place of the one shown, asking first about unsaved changes.
    // A bad file is refused with a message naming what is wrong; the design stays.
    bool openDesign(const QString &path);
    // Starts from a new design or a simulation cam, asking first about unsaved changes.
    bool startFrom(StartingDesign which);
    bool save();
    bool saveAs();
    // Writes the design as the path's ending says: .svg or .dxf for a laser cutter, .pdf for
    // a paper template, .png for a picture, .csv for the motion table. Says why not, or
    // what is worth knowing, through the dialogs.
    bool exportTo(const QString &path);
    bool exportDesign();
    // Prints the template, or writes it as a PDF when the learner chose to print to a file.
    bool print();

    WorkshopModel &model() { return m_model; }

    // What would ask the learner something: tests answer in their place.
    struct Dialogs {
        std::function<QString()> openPath;
        std::function<QString(const QString &suggested)> savePath;
        // Save, Discard or Cancel.
        std::function<QMessageBox::StandardButton(const QString &question)> keepChanges;
        std::function<void(const QString &title, const QString &message)> tell;
        std::function<QString(const QString &suggested)> exportPath;
        // The picture's size for a PNG; an empty size cancels.
        std::function<QSize()> pictureSize;
        // Asked when the program, not the file dialog, put the ending on a name and a file
        // of that name is there already: true replaces it.
        std::function<bool(const QString &path)> replaceExisting;
        // Lets the learner choose a printer and its settings; false cancels.
        std::function<bool(QPrinter &printer)> choosePrinter;
    };
    Dialogs &dialogs() { return m_dialogs; }

    // The controls, for tests: the editor column's and the window's own.
    struct Controls : EditorColumn::Editors {
        CamView *cam;
        QPushButton *play;
        QSlider *turnAngle;
        QDoubleSpinBox *turningSpeed;
        QPushButton *useSmallestBase;
        QLabel *numbers, *warnings;
        std::vector<GraphView *> graphs;
        Announcer *announcer;
        QAction *undo, *redo;
    };
    Controls controls() const;

    bool isPlaying() const { return m_playTimer.isActive(); }
    // Whether cut files carry the base circle and the pitch curve on a layer of their own.
    bool constructionLines() const { return m_constructionLines; }
    void setConstructionLines(bool on) { m_constructionLines = on; }
    void setPlaying(bool playing);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // The chosen name with the ending put on where it lacks one, asking before that replaces
    // a file; an empty string when nothing was chosen or the learner keeps the file.
    QString withEnding(const QString &chosen, const QString &suffix);
    void buildMenus();
    QWidget *buildMiddle();
    QWidget *buildGraphs();
    void setTabOrder();
    void connectControls();

    void showDesign();
    void showNumbers();
    void showWarnings();
    void showTitle();
    void showTurning();
    void advance();

    bool keepChangesBeforeLosing(const QString &question);
    bool write(const QString &path);

    WorkshopModel m_model;
    Dialogs m_dialogs;
    QTimer m_playTimer;
    QElapsedTimer m_sincePlayed;
    double m_turningRpm = 10;
    std::set<camdesign::Problem> m_spokenProblems;

    EditorColumn *m_editors = nullptr;
    CamView *m_cam = nullptr;
    QPushButton *m_play = nullptr;
    QSlider *m_turnAngle = nullptr;
    QLabel *m_turnAngleText = nullptr;
    QDoubleSpinBox *m_turningSpeed = nullptr;
    QLabel *m_numbers = nullptr;
    QPushButton *m_useSmallestBase = nullptr;
    QLabel *m_warnings = nullptr;
    std::vector<GraphView *> m_graphs;
    Announcer *m_announcer = nullptr;
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
    QAction *m_save = nullptr;
    QAction *m_playAction = nullptr;
    bool m_constructionLines = false;
};

} // namespace workshop
