// The game's window operations on real widgets.
#include "window_controls.h"

#include "about.h"
#include "controls.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSvgRenderer>
#include <QSvgWidget>

namespace spinzaro {

void WindowControls::add(Label label, QLabel* widget)
{
    labels_[label] = widget;
}
void WindowControls::add(Picture picture, QSvgWidget* widget)
{
    pictures_[picture] = widget;
}
void WindowControls::add(Button button, QPushButton* widget)
{
    buttons_[button] = widget;
}
void WindowControls::add(Timer timer, WindowTimer* widget)
{
    timers_[timer] = widget;
}
void WindowControls::addReel(int reel, ReelWindow* widget)
{
    reels_.at(static_cast<std::size_t>(reel)) = widget;
}

void WindowControls::setCaption(Label label, std::string_view text)
{
    QLabel* target = labels_.at(label);
    target->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    // Amounts grow to the right with their text; display boxes keep their size.
    if (label >= Label::lbAmount_0)
        target->adjustSize();
}

void WindowControls::setVisible(Label label, bool visible)
{
    labels_.at(label)->setVisible(visible);
}
void WindowControls::setVisible(Picture picture, bool visible)
{
    QSvgWidget* widget = pictures_.at(picture);
    // A prize is read from its source the first time it is won, not at start-up.
    if (visible && !widget->renderer()->isValid())
        widget->load(pictures::source(picture));
    widget->setVisible(visible);
}

void WindowControls::setDevicePixelRatio(qreal ratio)
{
    imageList_.setDevicePixelRatio(ratio);
    for (ReelWindow* reel : reels_)
        reel->update();
}
void WindowControls::setEnabled(Button button, bool enabled)
{
    buttons_.at(button)->setEnabled(enabled);
}
void WindowControls::setEnabled(Timer timer, bool enabled)
{
    timers_.at(timer)->setEnabled(enabled);
}

void WindowControls::setReelPicture(int reel, int entry)
{
    reels_.at(static_cast<std::size_t>(reel))->setPicture(&imageList_.picture(entry));
}

bool WindowControls::reelShows(int reel, int entry) const
{
    return imageList_.holds(reels_.at(static_cast<std::size_t>(reel))->picture(), entry);
}

void WindowControls::openAbout()
{
    FrmAbout::showShared();
}

void WindowControls::endProgram()
{
    for (auto& [id, timer] : timers_)
        timer->stop();
    if (closeWindow)
        closeWindow();
}

std::string WindowControls::applicationFolder() const
{
    return QFile::encodeName(QDir::toNativeSeparators(QCoreApplication::applicationDirPath())).toStdString();
}

void WindowControls::playWave(const std::string& path)
{
    if (cueSink)
        cueSink(path);
}

}  // namespace spinzaro
