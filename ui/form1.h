// The main window: carries out the game's window operations on real widgets
// and routes the window's events to the game's handlers.
#pragma once

#include "image_list.h"
#include "machine_state.h"

#include <QMainWindow>

#include <functional>
#include <map>
#include <memory>

class QLabel;
class QPushButton;
class QAction;

namespace spinzaro {

class ImageBox;
class ReelWindow;
class CuePlayer;
class WindowTimer;

class Form1 : public QMainWindow, public WindowOperations {
    Q_OBJECT
public:
    // The random source is the game's; tests pass a seeded one.
    explicit Form1(std::unique_ptr<RandomSource> random = std::make_unique<ClockSeededRandom>());
    ~Form1() override;

    const SlotMachine& machine() const { return machine_; }
    QWidget* canvas() const { return canvas_; }

    // WindowOperations
    void setCaption(Label label, std::string_view text) override;
    void setVisible(Label label, bool visible) override;
    void setVisible(Picture picture, bool visible) override;
    void setEnabled(Button button, bool enabled) override;
    void setEnabled(Timer timer, bool enabled) override;
    void setReelPicture(int reel, int entry) override;
    bool reelShows(int reel, int entry) const override;
    void openAbout() override;
    void endProgram() override;
    std::string applicationFolder() const override;
    void playWave(const std::string& path) override;

    using QMainWindow::setEnabled;
    using QMainWindow::setVisible;

signals:
    // The game has ended; the application quits on it.
    void programEnded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void connectEvents();

    std::unique_ptr<RandomSource> random_;
    ImageList imageList_;
    std::unique_ptr<CuePlayer> cuePlayer_;
    QWidget* canvas_ = nullptr;
    std::map<Label, QLabel*> labels_;
    std::map<Picture, ImageBox*> pictures_;
    std::map<Button, QPushButton*> buttons_;
    std::map<Timer, WindowTimer*> timers_;
    std::array<ReelWindow*, reelCount> reels_{};
    QAction* aboutEntry_ = nullptr;
    bool shownOnce_ = false;
    bool ended_ = false;
    SlotMachine machine_;
};

}  // namespace spinzaro
