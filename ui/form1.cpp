// The main window of the game.
#include "form1.h"

#include "about.h"
#include "controls.h"
#include "cue_player.h"
#include "layout.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
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

}  // namespace

Form1::Form1(std::unique_ptr<RandomSource> random, std::unique_ptr<WindowControls> controls)
    : random_(std::move(random)), controls_(std::move(controls)), cuePlayer_(std::make_unique<CuePlayer>()),
      machine_(*controls_, *random_)
{
    controls_->cueSink = [this](const std::string& path) { cuePlayer_->play(path); };
    controls_->closeWindow = [this] { end(); };
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
    const QFont headingFont = designFont(90, QFont::Bold);
    const QFont amountFont = designFont(96, QFont::Bold);
    int reel = 0;
    for (const ControlDesign& design : mainWindowDesign()) {
        const QString name = QString::fromLatin1(design.name);
        const QRect box = toPixels(design.left, design.top, design.width, design.height);
        QWidget* widget = nullptr;
        switch (design.kind) {
        case ControlKind::heading:
        case ControlKind::amount: {
            auto* label = new QLabel(QString::fromLatin1(design.caption), canvas_);
            const bool heading = design.kind == ControlKind::heading;
            label->setFont(heading ? headingFont : amountFont);
            label->setStyleSheet(textStyle(heading ? headingColour : amountColour));
            label->setAlignment(heading ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
            label->move(box.topLeft());
            label->adjustSize();
            widget = label;
            break;
        }
        case ControlKind::displayBox: {
            auto* label = new QLabel(canvas_);
            label->setFont(amountFont);
            label->setStyleSheet(
                QStringLiteral("color: %1; background: black; border: 1px solid %1;").arg(amountColour.name()));
            label->setAlignment(Qt::AlignCenter);
            label->setGeometry(box);
            widget = label;
            break;
        }
        case ControlKind::coinSlot: {
            auto* slot = new ClickableLabel(canvas_);
            slot->setStyleSheet(QStringLiteral("background: %1; border: 1px solid black;").arg(coinSlotColour.name()));
            slot->setGeometry(box);
            slot->setCursor(pictures::coinSlotPointer());
            slot->setAccessibleName(QStringLiteral("Coin Slot"));
            connect(slot, &ClickableLabel::clicked, this, [this] { machine_.lbCoinSlot_Click(); });
            widget = slot;
            break;
        }
        case ControlKind::line:
            widget = new ShapeWidget(canvas_, QColor(design.colour), 1, false, true);
            widget->setGeometry(box.x(), box.y(), box.width(), 1);
            break;
        case ControlKind::outline:
        case ControlKind::filledFrame:
            widget = new ShapeWidget(canvas_, QColor(design.colour), design.lineWidth,
                                     design.kind == ControlKind::filledFrame, false);
            widget->setGeometry(box);
            break;
        case ControlKind::reelWindow: {
            auto* window = new ReelWindow(canvas_);
            window->setGeometry(box);
            controls_->addReel(reel++, window);
            widget = window;
            break;
        }
        case ControlKind::picture:
        case ControlKind::prize: {
            auto* image = new ImageBox(canvas_);
            image->setGeometry(box);
            widget = image;
            break;
        }
        case ControlKind::spinButton: {
            auto* button = new QPushButton(canvas_);
            button->setIcon(QIcon(pictures::spinFace));
            button->setIconSize(QSize(105, 50));
            button->setGeometry(box);
            button->setCursor(pictures::spinPointer());
            button->setAccessibleName(QStringLiteral("Spin"));
            widget = button;
            break;
        }
        case ControlKind::quitButton: {
            auto* button = new QPushButton(QString::fromLatin1(design.caption), canvas_);
            button->setFont(amountFont);
            button->setStyleSheet(
                QStringLiteral("QPushButton { background: %1; color: black; border: 2px outset #e070e0; }"
                               "QPushButton:pressed { border-style: inset; }"
                               "QPushButton:disabled { color: #804080; }"
                               "QPushButton:focus { outline: 1px dotted black; }")
                    .arg(quitFaceColour.name()));
            button->setGeometry(box);
            button->setAccessibleName(QStringLiteral("Quit"));
            widget = button;
            break;
        }
        }
        widget->setObjectName(name);
    }

    const auto find = [this](const char* name) { return canvas_->findChild<QWidget*>(QString::fromLatin1(name)); };
    for (int label = 0; label <= static_cast<int>(Label::lbAmount_7); ++label) {
        const auto id = static_cast<Label>(label);
        auto* widget = qobject_cast<QLabel*>(find(controlName(id).data()));
        widget->setAccessibleName(QString::fromLatin1(controlName(id).data()));
        controls_->add(id, widget);
    }
    find("lbWin")->setAccessibleName(QStringLiteral("Winnings"));
    find("lbBet")->setAccessibleName(QStringLiteral("Bets"));
    find("lbAhead")->setAccessibleName(QStringLiteral("Balance"));
    find("lbSpinBet")->setAccessibleName(QStringLiteral("Bet"));
    const std::pair<Picture, const QString*> sources[] = {{Picture::imgMenu, &pictures::payTable},
                                                          {Picture::imgCoins2, &pictures::coins},
                                                          {Picture::img50bill, &pictures::bill50},
                                                          {Picture::img100Bill, &pictures::bill100}};
    for (const auto& [picture, source] : sources) {
        auto* box = static_cast<ImageBox*>(find(controlName(picture).data()));
        box->setPicture(*source, picture != Picture::imgMenu);
        box->setVisible(picture == Picture::imgMenu);
        controls_->add(picture, box);
    }
    controls_->add(Button::cmdSpin, static_cast<QPushButton*>(find("cmdSpin")));
    controls_->add(Button::cmdQuit, static_cast<QPushButton*>(find("cmdQuit")));

    for (Timer timer : {Timer::Timer1, Timer::Timer2, Timer::Timer3, Timer::tmrWait}) {
        auto* windowTimer = new WindowTimer(this, timer == Timer::tmrWait ? 1000 : 50);
        windowTimer->setObjectName(QString::fromLatin1(controlName(timer).data()));
        controls_->add(timer, windowTimer);
    }

    // Quit first, then Spin: the window opens with the focus on Quit.
    setTabOrder(controls_->button(Button::cmdQuit), controls_->button(Button::cmdSpin));
}

void Form1::connectEvents()
{
    connect(controls_->button(Button::cmdSpin), &QPushButton::clicked, this, [this] { machine_.cmdSpin_Click(); });
    connect(controls_->button(Button::cmdQuit), &QPushButton::clicked, this, [this] { machine_.cmdQuit_Click(); });
    connect(controls_->timer(Timer::Timer1), &QTimer::timeout, this, [this] { machine_.Timer1_Timer(); });
    connect(controls_->timer(Timer::Timer2), &QTimer::timeout, this, [this] { machine_.Timer2_Timer(); });
    connect(controls_->timer(Timer::Timer3), &QTimer::timeout, this, [this] { machine_.Timer3_Timer(); });
    connect(controls_->timer(Timer::tmrWait), &QTimer::timeout, this, [this] { machine_.tmrWait_Timer(); });
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
    controls_->button(Button::cmdQuit)->setFocus(Qt::OtherFocusReason);
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

void Form1::end()
{
    ended_ = true;
    cuePlayer_->stop();
    close();
    emit programEnded();
}

}  // namespace spinzaro
