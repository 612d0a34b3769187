// The main window of the game.
#include "form1.h"

#include "about.h"
#include "cue_player.h"
#include "controls.h"
#include "layout.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

namespace spinzaro {

namespace {

QFont designFont(int tenthsOfPoint, QFont::Weight weight)
{
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setPixelSize(fontPixels(tenthsOfPoint));
    font.setWeight(weight);
    return font;
}

QString textStyle(const QColor& text, const QString& rest = {})
{
    return QStringLiteral("color: %1; background: transparent; %2").arg(text.name(), rest);
}

// A caption or an amount sized to its text, or a fixed black display box.
QLabel* makeText(const ControlDesign& design, QWidget* parent)
{
    const QRect box = toPixels(design.left, design.top, design.width, design.height);
    const QFont amountFont = designFont(96, QFont::Bold);
    if (design.kind == ControlKind::displayBox) {
        auto* label = new QLabel(parent);
        label->setFont(amountFont);
        label->setStyleSheet(
            QStringLiteral("color: %1; background: black; border: 1px solid %1;").arg(amountColour.name()));
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(box);
        return label;
    }
    auto* label = new QLabel(QString::fromLatin1(design.caption), parent);
    const bool heading = design.kind == ControlKind::heading;
    label->setFont(heading ? designFont(90, QFont::Bold) : amountFont);
    label->setStyleSheet(textStyle(heading ? headingColour : amountColour));
    label->setAlignment(heading ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    label->move(box.topLeft());
    label->adjustSize();
    return label;
}

QPushButton* makeButton(const ControlDesign& design, QWidget* parent)
{
    auto* button = new QPushButton(parent);
    button->setGeometry(toPixels(design.left, design.top, design.width, design.height));
    if (design.kind == ControlKind::spinButton) {
        button->setIcon(QIcon(pictures::spinFace));
        button->setIconSize(QSize(105, 50));
        button->setCursor(pictures::spinPointer());
        button->setAccessibleName(QStringLiteral("Spin"));
        return button;
    }
    button->setText(QString::fromLatin1(design.caption));
    button->setFont(designFont(96, QFont::Bold));
    button->setStyleSheet(QStringLiteral("QPushButton { background: %1; color: black; border: 2px outset #e070e0; }"
                                         "QPushButton:pressed { border-style: inset; }"
                                         "QPushButton:disabled { color: #804080; }"
                                         "QPushButton:focus { outline: 1px dotted black; }")
                              .arg(quitFaceColour.name()));
    button->setAccessibleName(QStringLiteral("Quit"));
    return button;
}

// One control of the window design, at its place on the parent.
QWidget* makeControl(const ControlDesign& design, QWidget* parent)
{
    QRect box = toPixels(design.left, design.top, design.width, design.height);
    QWidget* widget = nullptr;
    switch (design.kind) {
    case ControlKind::heading:
    case ControlKind::amount:
    case ControlKind::displayBox: return makeText(design, parent);
    case ControlKind::spinButton:
    case ControlKind::quitButton: return makeButton(design, parent);
    case ControlKind::coinSlot:
        widget = new ClickableLabel(parent);
        widget->setStyleSheet(QStringLiteral("background: %1; border: 1px solid black;").arg(coinSlotColour.name()));
        widget->setCursor(pictures::coinSlotPointer());
        widget->setAccessibleName(QStringLiteral("Coin Slot"));
        break;
    case ControlKind::line:
        widget = new ShapeWidget(parent, QColor(design.colour), 1, false, true);
        box.setHeight(1);
        break;
    case ControlKind::outline:
    case ControlKind::filledFrame:
        widget = new ShapeWidget(parent, QColor(design.colour), design.lineWidth,
                                 design.kind == ControlKind::filledFrame, false);
        break;
    case ControlKind::reelWindow: widget = new ReelWindow(parent); break;
    case ControlKind::picture:
    case ControlKind::prize: widget = new ImageBox(parent); break;
    }
    widget->setGeometry(box);
    return widget;
}

}  // namespace

Form1::Form1(std::unique_ptr<RandomSource> random)
    : random_(std::move(random)), cuePlayer_(std::make_unique<CuePlayer>()), machine_(*this, *random_)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Spinzaro"));
    setWindowIcon(QIcon(pictures::icon));
    // Minimise and close, but no maximise; the frame stays resizable.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    aboutEntry_ = menuBar()->addAction(QStringLiteral("&About"));
    aboutEntry_->setObjectName(QStringLiteral("frmAboutSlot"));

    canvas_ = new QWidget(this);
    canvas_->setObjectName(QStringLiteral("client"));
    canvas_->setAutoFillBackground(true);
    QPalette palette = canvas_->palette();
    palette.setColor(QPalette::Window, backgroundColour);
    canvas_->setPalette(palette);
    setCentralWidget(canvas_);

    buildControls();
    connectEvents();
    resize(toPixels(clientWidthTwips), toPixels(clientHeightTwips) + menuBar()->sizeHint().height());
    machine_.Form_Load();
}

Form1::~Form1() = default;

void Form1::buildControls()
{
    int reel = 0;
    for (const ControlDesign& design : mainWindowDesign()) {
        QWidget* widget = makeControl(design, canvas_);
        widget->setObjectName(QString::fromLatin1(design.name));
        if (design.kind == ControlKind::reelWindow)
            reels_[static_cast<std::size_t>(reel++)] = static_cast<ReelWindow*>(widget);
    }

    const auto find = [this](const char* name) { return canvas_->findChild<QWidget*>(QString::fromLatin1(name)); };
    for (int label = 0; label <= static_cast<int>(Label::lbAmount_7); ++label) {
        const auto id = static_cast<Label>(label);
        labels_[id] = qobject_cast<QLabel*>(find(controlName(id).data()));
        labels_[id]->setAccessibleName(QString::fromLatin1(controlName(id).data()));
    }
    labels_[Label::lbWin]->setAccessibleName(QStringLiteral("Winnings"));
    labels_[Label::lbBet]->setAccessibleName(QStringLiteral("Bets"));
    labels_[Label::lbAhead]->setAccessibleName(QStringLiteral("Balance"));
    labels_[Label::lbSpinBet]->setAccessibleName(QStringLiteral("Bet"));
    for (Picture picture : {Picture::imgMenu, Picture::imgCoins2, Picture::img50bill, Picture::img100Bill})
        pictures_[picture] = static_cast<ImageBox*>(find(controlName(picture).data()));
    pictures_[Picture::imgMenu]->setPicture(pictures::payTable, false);
    pictures_[Picture::imgCoins2]->setPicture(pictures::coins, true);
    pictures_[Picture::img50bill]->setPicture(pictures::bill50, true);
    pictures_[Picture::img100Bill]->setPicture(pictures::bill100, true);
    for (Picture prize : {Picture::imgCoins2, Picture::img50bill, Picture::img100Bill})
        pictures_[prize]->hide();
    buttons_[Button::cmdSpin] = static_cast<QPushButton*>(find("cmdSpin"));
    buttons_[Button::cmdQuit] = static_cast<QPushButton*>(find("cmdQuit"));

    for (Timer timer : {Timer::Timer1, Timer::Timer2, Timer::Timer3, Timer::tmrWait}) {
        auto* windowTimer = new WindowTimer(this, timerIntervalMs(timer));
        windowTimer->setObjectName(QString::fromLatin1(controlName(timer).data()));
        timers_[timer] = windowTimer;
    }

    // Quit first, then Spin: the window opens with the focus on Quit.
    setTabOrder(buttons_[Button::cmdQuit], buttons_[Button::cmdSpin]);
}

void Form1::connectEvents()
{
    connect(canvas_->findChild<ClickableLabel*>(QStringLiteral("lbCoinSlot")), &ClickableLabel::clicked, this,
            [this] { machine_.lbCoinSlot_Click(); });
    connect(buttons_[Button::cmdSpin], &QPushButton::clicked, this, [this] { machine_.cmdSpin_Click(); });
    connect(buttons_[Button::cmdQuit], &QPushButton::clicked, this, [this] { machine_.cmdQuit_Click(); });
    connect(timers_[Timer::Timer1], &QTimer::timeout, this, [this] { machine_.Timer1_Timer(); });
    connect(timers_[Timer::Timer2], &QTimer::timeout, this, [this] { machine_.Timer2_Timer(); });
    connect(timers_[Timer::Timer3], &QTimer::timeout, this, [this] { machine_.Timer3_Timer(); });
    connect(timers_[Timer::tmrWait], &QTimer::timeout, this, [this] { machine_.tmrWait_Timer(); });
    connect(aboutEntry_, &QAction::triggered, this, [this] { machine_.frmAboutSlot_Click(); });
}

void Form1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (shownOnce_)
        return;
    shownOnce_ = true;
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - frameGeometry().center() + pos());
    buttons_[Button::cmdQuit]->setFocus(Qt::OtherFocusReason);
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (ended_) {
        event->accept();
        return;
    }
    bool cancel = false;
    machine_.Form_Unload(cancel);
    event->setAccepted(!cancel);
}

void Form1::setCaption(Label label, std::string_view text)
{
    QLabel* target = labels_.at(label);
    target->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    // Amounts grow to the right with their text; display boxes keep their size.
    if (label >= Label::lbAmount_0)
        target->adjustSize();
}

void Form1::setVisible(Label label, bool visible)
{
    labels_.at(label)->setVisible(visible);
}
void Form1::setVisible(Picture picture, bool visible)
{
    pictures_.at(picture)->setVisible(visible);
}
void Form1::setEnabled(Button button, bool enabled)
{
    buttons_.at(button)->setEnabled(enabled);
}
void Form1::setEnabled(Timer timer, bool enabled)
{
    timers_.at(timer)->setEnabled(enabled);
}

void Form1::setReelPicture(int reel, int entry)
{
    reels_.at(static_cast<std::size_t>(reel))->setPicture(&imageList_.picture(entry));
}

bool Form1::reelShows(int reel, int entry) const
{
    return reels_.at(static_cast<std::size_t>(reel))->picture() == &imageList_.picture(entry);
}

void Form1::openAbout()
{
    FrmAbout::showShared();
}

void Form1::endProgram()
{
    ended_ = true;
    for (auto& [id, timer] : timers_)
        timer->stop();
    cuePlayer_->stop();
    close();
    emit programEnded();
}

std::string Form1::applicationFolder() const
{
    return QFile::encodeName(QDir::toNativeSeparators(QCoreApplication::applicationDirPath())).toStdString();
}

void Form1::playWave(const std::string& path)
{
    cuePlayer_->play(path);
}

}  // namespace spinzaro
