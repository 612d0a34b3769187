// The main window: builds the design's widgets, hands them to the window
// operations, and routes the window's events to the game's handlers.
#pragma once

#include "machine_state.h"
#include "qt_window_operations.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QFrame;
class QLabel;
class QPushButton;

namespace spinzaro {

class CuePlayer;
class ReelWindow;
struct ControlDesign;

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    // The random source and the window operations are the game's own; tests
    // and benchmarks pass theirs.
    explicit Form1(std::unique_ptr<RandomSource> random = std::make_unique<ClockSeededRandom>(),
                   std::unique_ptr<QtWindowOperations> operations = std::make_unique<QtWindowOperations>());
    ~Form1() override;

    const SlotMachine& machine() const { return machine_; }
    QWidget* canvas() const { return canvas_; }

signals:
    // The game has ended; the application quits on it.
    void programEnded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    // One maker for each kind of control (form1_makers.cpp): it makes the
    // widget, places it as designed and hands it to the window operations if
    // the game addresses it.
    QWidget* makeControl(const ControlDesign& design);
    QLabel* makeHeading(const ControlDesign& design);
    QLabel* makeAmount(const ControlDesign& design);
    QLabel* makeDisplayBox(const ControlDesign& design);
    QPushButton* makeCoinSlot(const ControlDesign& design);
    QWidget* makeLine(const ControlDesign& design);
    QFrame* makeFrame(const ControlDesign& design);
    ReelWindow* makeReel(const ControlDesign& design);
    QLabel* makePicture(const ControlDesign& design);
    QPushButton* makeSpinButton(const ControlDesign& design);
    QPushButton* makeQuitButton(const ControlDesign& design);
    // The game has ended, by Quit or by closing: the sound stops and the window goes.
    void end();
    // Made after the first frame, or by the first cue if that comes sooner.
    CuePlayer& cuePlayer();
    // Pictures follow the window to a screen of another density, between rounds.
    void followScreenDensity();
    void drawPointers(qreal ratio);

    std::unique_ptr<RandomSource> random_;
    std::unique_ptr<QtWindowOperations> operations_;
    std::unique_ptr<CuePlayer> cuePlayer_;  // starts the sound libraries on a thread of its own
    SlotMachine machine_;
    QWidget* canvas_ = nullptr;
    QString lastHeading_;              // the caption of the heading made last
    QPushButton* coinSlot_ = nullptr;  // the game never addresses it; its pointer is the window's
    QAction* aboutEntry_ = nullptr;
    bool shownOnce_ = false;
    bool ended_ = false;
};

}  // namespace spinzaro
