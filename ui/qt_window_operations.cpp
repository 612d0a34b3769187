// The engine's window operations on the main window's Qt widgets.
#include "qt_window_operations.h"

#include "about.h"
#include "accessibility.h"
#include "spoken.h"
#include "widgets.h"
#include "window_timer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace spinzaro {

void QtWindowOperations::add(Label label, QLabel* widget)
{
    labels_[label] = widget;
}
void QtWindowOperations::add(Picture picture, QLabel* widget, bool stretched)
{
    pictures_[picture] = {widget, stretched};
}
void QtWindowOperations::add(Button button, QPushButton* widget)
{
    buttons_[button] = widget;
}
void QtWindowOperations::add(Timer timer, WindowTimer* widget)
{
    timers_[timer] = widget;
}
void QtWindowOperations::addReel(int reel, ReelWindow* widget)
{
    reels_.at(static_cast<std::size_t>(reel)) = widget;
}

void QtWindowOperations::addTally(Label label, QLabel* widget, const QString& heading)
{
    add(label, widget);
    headings_[label] = heading;
    widget->setAccessibleName(heading);
}

void QtWindowOperations::setCaption(Label label, std::string_view text)
{
    QLabel* target = labels_.at(label);
    const QString caption = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    target->setText(caption);
    if (headings_.contains(label)) {
        target->setAccessibleName(tallyWords(headings_.at(label), caption));
        if (announcement_ != nullptr && label == Label::lbSpinBet)
            announcement_->stakeWritten(caption);
        else if (announcement_ != nullptr && label == Label::lbAhead)
            announcement_->balanceWritten(target->accessibleName());
    }
    // Amounts grow to the right with their text; display boxes keep their size.
    if (const int element = amountElement(label); element >= 0) {
        target->adjustSize();
        target->setAccessibleName(payRowWords(element, caption));
        if (announcement_ != nullptr)
            announcement_->amountWritten(element, caption);
    }
}

void QtWindowOperations::setVisible(Label label, bool visible)
{
    labels_.at(label)->setVisible(visible);
    if (const int element = amountElement(label); element >= 0 && announcement_ != nullptr)
        announcement_->rowShown(element, visible);
}
void QtWindowOperations::setVisible(Picture picture, bool visible)
{
    QLabel* widget = pictures_.at(picture).widget;
    // A prize is drawn the first time it is won, not at start-up.
    if (visible && widget->pixmap().isNull())
        drawPicture(picture);
    widget->setVisible(visible);
    if (announcement_ != nullptr && picture != Picture::imgMenu)
        announcement_->prizeShown(visible);
}

void QtWindowOperations::drawPicture(Picture picture)
{
    const PictureBox& box = pictures_.at(picture);
    box.widget->setPixmap(artwork::draw(pictures::source(picture), imageList_.devicePixelRatio(),
                                        box.stretched ? box.widget->size() : QSize()));
}

void QtWindowOperations::setDevicePixelRatio(qreal ratio)
{
    imageList_.setDevicePixelRatio(ratio);
    for (ReelWindow* reel : reels_)
        reel->update();
    for (const auto& [picture, box] : pictures_)
        if (!box.widget->pixmap().isNull())
            drawPicture(picture);
}
void QtWindowOperations::setEnabled(Button button, bool enabled)
{
    QPushButton* widget = buttons_.at(button);
    // A button disabled with the focus would hand it to the other, which the
    // pause disables too: the announcement holds it until they come back.
    QWidget* focus = widget->window()->focusWidget();
    const bool focusOnAButton = std::ranges::any_of(buttons_, [&](const auto& entry) { return entry.second == focus; });
    if (!enabled && focusOnAButton && announcement_ != nullptr)
        announcement_->holdFocus(focus);
    widget->setEnabled(enabled);
    if (enabled && announcement_ != nullptr)
        announcement_->buttonEnabled();
}
void QtWindowOperations::setEnabled(Timer timer, bool enabled)
{
    timers_.at(timer)->setEnabled(enabled);
}

void QtWindowOperations::setReelPicture(int reel, int entry)
{
    ReelWindow* window = reels_.at(static_cast<std::size_t>(reel));
    window->setPicture(&imageList_.picture(entry));
    window->setAccessibleName(reelWords(reel, entry));
}

bool QtWindowOperations::reelShows(int reel, int entry) const
{
    return imageList_.holds(reels_.at(static_cast<std::size_t>(reel))->picture(), entry);
}

void QtWindowOperations::openAbout()
{
    FrmAbout::showShared();
}

void QtWindowOperations::endProgram()
{
    for (auto& [id, timer] : timers_)
        timer->stop();
    emit programEnded();
}

std::string QtWindowOperations::applicationFolder() const
{
    return QFile::encodeName(QDir::toNativeSeparators(QCoreApplication::applicationDirPath())).toStdString();
}

void QtWindowOperations::playWave(const std::string& path)
{
    emit waveRequested(path);
}

}  // namespace spinzaro
