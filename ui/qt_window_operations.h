// The engine's window operations, carried out on the main window's Qt widgets.
#pragma once

#include "image_list.h"
#include "window_operations.h"

#include <array>
#include <map>
#include <string>

#include <QObject>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace spinzaro {

class Announcement;
class ReelWindow;
class WindowTimer;

// The main window hands over each widget the game addresses as it makes it.
// Tests and benchmarks subclass this to watch or redirect operations.
class QtWindowOperations : public QObject, public WindowOperations {
    Q_OBJECT
public:
    void add(Label label, QLabel* widget);
    // A stretched picture fills its box; any other shows at its own size.
    void add(Picture picture, QLabel* widget, bool stretched);
    void add(Button button, QPushButton* widget);
    void add(Timer timer, WindowTimer* widget);
    void addReel(int reel, ReelWindow* widget);
    // A display box, heard as its heading and its amount ("Bets $3.00").
    void addTally(Label label, QLabel* widget, const QString& heading);
    void addAnnouncement(Announcement* widget) { announcement_ = widget; }

    QPushButton* button(Button button) const { return buttons_.at(button); }
    const ImageList& imageList() const { return imageList_; }
    // Between rounds only: the reels then show the same objects, redrawn,
    // and the pictures already drawn are drawn again.
    void setDevicePixelRatio(qreal ratio);

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

signals:
    // A cue's wave to play, by its full path.
    void waveRequested(const std::string& path);
    // The game has ended; every timer has stopped.
    void programEnded();

private:
    void drawPicture(Picture picture);

    ImageList imageList_;
    std::map<Label, QString> headings_;
    Announcement* announcement_ = nullptr;
    std::map<Label, QLabel*> labels_;
    struct PictureBox {
        QLabel* widget;
        bool stretched;
    };
    std::map<Picture, PictureBox> pictures_;
    std::map<Button, QPushButton*> buttons_;
    std::map<Timer, WindowTimer*> timers_;
    std::array<ReelWindow*, reelCount> reels_{};
};

}  // namespace spinzaro
