// The main window of the game: its frame, its events and its end.
#include "form1.h"

#include "accessibility.h"
#include "cue_player.h"
#include "design.h"
#include "identity.h"
#include "spoken.h"
#include "widgets.h"
#include "window_timer.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <array>

namespace spinzaro {

namespace {

// Each timer and the handler its ticks run.
constexpr std::array timerHandlers = {
    std::pair{Timer::Timer1, &SlotMachine::Timer1_Timer},
    std::pair{Timer::Timer2, &SlotMachine::Timer2_Timer},
    std::pair{Timer::Timer3, &SlotMachine::Timer3_Timer},
    std::pair{Timer::tmrWait, &SlotMachine::tmrWait_Timer},
};

}  // namespace

Form1::Form1(std::unique_ptr<RandomSource> random, std::unique_ptr<QtWindowOperations> operations)
    : random_(std::move(random)), operations_(std::move(operations)), machine_(*operations_, *random_)
{
    connect(operations_.get(), &QtWindowOperations::waveRequested, this,
            [this](const std::string& path) { cuePlayer().play(path); });
    connect(operations_.get(), &QtWindowOperations::programEnded, this, &Form1::end);
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Spinzaro"));
    // Minimise and close, but no maximise; the frame stays resizable.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    aboutEntry_ = menuBar()->addAction(QCoreApplication::translate("Form1", "&About"));
    aboutEntry_->setObjectName(QStringLiteral("frmAboutSlot"));

    canvas_ = new QWidget(this);
    canvas_->setObjectName(QStringLiteral("client"));
    canvas_->setAutoFillBackground(true);
    setColour(canvas_, QPalette::Window, backgroundColour);
    setCentralWidget(canvas_);

    installAccessibility();
    buildControls();
    operations_->addAnnouncement(new Announcement(this));  // no control of the design
    operations_->setDevicePixelRatio(devicePixelRatioF());
    resize(toPixels(clientWidthTwips), toPixels(clientHeightTwips) + menuBar()->sizeHint().height());
    machine_.Form_Load();
}

Form1::~Form1() = default;

void Form1::buildControls()
{
    for (const ControlDesign& design : mainWindowDesign()) {
        QWidget* widget = makeControl(design);
        widget->setObjectName(QString::fromLatin1(design.name));
    }
    for (const auto& [timer, handler] : timerHandlers) {
        auto* windowTimer = new WindowTimer(this, timerIntervalMs(timer));
        windowTimer->setObjectName(QString::fromLatin1(controlName(timer).data()));
        connect(windowTimer, &QTimer::timeout, this, [this, handler = handler] { (machine_.*handler)(); });
        operations_->add(timer, windowTimer);
    }
    connect(aboutEntry_, &QAction::triggered, this, [this] { machine_.frmAboutSlot_Click(); });
    // Quit first, then Spin: the window opens with the focus on Quit.
    setTabOrder(operations_->button(Button::cmdQuit), operations_->button(Button::cmdSpin));
}

void Form1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (shownOnce_)
        return;
    shownOnce_ = true;
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - frameGeometry().center() + pos());
    if (QWindow* window = windowHandle())
        connect(window, &QWindow::screenChanged, this, &Form1::followScreenDensity);
    canvas_->installEventFilter(this);
    operations_->button(Button::cmdQuit)->setFocus(Qt::OtherFocusReason);
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    // The window's icon and pointers, and the sound, wait until the first
    // frame is painted, which needs none of them.
    if (watched == canvas_ && event->type() == QEvent::Paint) {
        canvas_->removeEventFilter(this);
        QMetaObject::invokeMethod(
            this,
            [this] {
                setWindowIcon(artwork::icon(pictures::icon));
                drawPointers(devicePixelRatioF());
                cuePlayer();
            },
            Qt::QueuedConnection);
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::followScreenDensity()
{
    const qreal ratio = devicePixelRatioF();
    if (ratio == operations_->imageList().devicePixelRatio())
        return;
    // A reel must not change its picture object, nor its look, mid-round.
    if (machine_.reelsTurning()) {
        QTimer::singleShot(timerIntervalMs(Timer::Timer1), this, &Form1::followScreenDensity);
        return;
    }
    operations_->setDevicePixelRatio(ratio);
    operations_->button(Button::cmdSpin)->setIcon(QIcon(artwork::draw(pictures::spinFace, ratio)));
    drawPointers(ratio);
}

void Form1::drawPointers(qreal ratio)
{
    operations_->button(Button::cmdSpin)->setCursor(pictures::spinPointer(ratio));
    coinSlot_->setCursor(pictures::coinSlotPointer(ratio));
}

void Form1::closeEvent(QCloseEvent* event)
{
    // No handler runs after the end, whatever closes the window then.
    if (ended_)
        return;
    bool cancel = false;
    machine_.Form_Unload(cancel);
    event->setAccepted(!cancel);
}

CuePlayer& Form1::cuePlayer()
{
    if (!cuePlayer_)
        cuePlayer_ = std::make_unique<CuePlayer>(
            std::string(), SoundIdentity{identity::title, identity::desktopFileName, identity::iconName});
    return *cuePlayer_;
}

void Form1::end()
{
    ended_ = true;
    if (cuePlayer_)
        cuePlayer_->stop();
    // Hidden rather than closed, so the end never comes back through
    // closeEvent; when it came from closing, Qt finishes that closing itself.
    hide();
    emit programEnded();
}

}  // namespace spinzaro
