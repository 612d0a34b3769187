// The makers of the main window's controls, one for each kind in the design.
#include "form1.h"

#include "accessibility.h"
#include "design.h"
#include "spoken.h"
#include "widgets.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

#include <array>
#include <stdexcept>

namespace spinzaro {

namespace {

// A frame of the design's line width and colour, drawn inside its rectangle.
void setBorder(QFrame* frame, int width, const QColor& colour)
{
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setLineWidth(width);
    setColour(frame, QPalette::WindowText, colour);
}

void setGround(QWidget* widget, const QColor& colour)
{
    setColour(widget, QPalette::Window, colour);
    widget->setAutoFillBackground(true);
}

// The game's id of a control of the design, by the control's name.
template <typename Id>
Id idNamed(const char* name, Id last)
{
    for (int index = 0; index <= static_cast<int>(last); ++index)
        if (controlName(static_cast<Id>(index)) == name)
            return static_cast<Id>(index);
    throw std::logic_error(std::string("the game has no control named ") + name);
}
Label labelNamed(const char* name)
{
    return idNamed(name, Label::lbAmount_7);
}
Picture pictureNamed(const char* name)
{
    return idNamed(name, Picture::img100Bill);
}

}  // namespace

QWidget* Form1::makeControl(const ControlDesign& design)
{
    switch (design.kind) {
    case ControlKind::heading: return makeHeading(design);
    case ControlKind::displayBox: return makeDisplayBox(design);
    case ControlKind::amount: return makeAmount(design);
    case ControlKind::coinSlot: return makeCoinSlot(design);
    case ControlKind::line: return makeLine(design);
    case ControlKind::outline:
    case ControlKind::filledFrame: return makeFrame(design);
    case ControlKind::reelWindow: return makeReel(design);
    case ControlKind::picture:
    case ControlKind::prize: return makePicture(design);
    case ControlKind::spinButton: return makeSpinButton(design);
    case ControlKind::quitButton: return makeQuitButton(design);
    }
    throw std::logic_error("a control of no known kind");
}

QLabel* Form1::makeHeading(const ControlDesign& design)
{
    // Sized to the English caption from the design's corner, which centres it
    // over what it heads; a translation keeps that centre as it grows or shrinks.
    auto* label = new QLabel(QString::fromLatin1(design.caption), canvas_);
    label->setFont(designFont("Arial", 90, QFont::Bold));
    setColour(label, QPalette::WindowText, headingColour);
    label->setAlignment(Qt::AlignCenter);
    label->move(pixelBox(design).topLeft());
    label->adjustSize();
    const int centre = label->x() * 2 + label->width();  // doubled, to stay whole
    label->setText(QCoreApplication::translate("Form1", design.caption));
    label->adjustSize();
    label->move((centre - label->width()) / 2, label->y());
    leaveUnheard(label);  // the tally, stake or slot below is heard by it
    lastHeading_ = label->text();
    return label;
}

QLabel* Form1::makeAmount(const ControlDesign& design)
{
    const Label row = labelNamed(design.name);
    // The prize the row pays at the opening stake; the element without a row stays empty.
    const std::int16_t multiplier = amountMultiplier(amountElement(row));
    auto* label = new QLabel(canvas_);
    label->setFont(designFont("Arial", 96, QFont::Bold));
    setColour(label, QPalette::WindowText, amountColour);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->move(pixelBox(design).topLeft());
    operations_->add(row, label);
    if (multiplier == 0)
        leaveUnheard(label);
    // Written as the game writes it, so it is sized and named for a screen reader the same way.
    operations_->setCaption(row, multiplier == 0 ? "" : formatMoney(Money::dollars(lowestStakeDollars) * multiplier));
    return label;
}

QLabel* Form1::makeDisplayBox(const ControlDesign& design)
{
    auto* label = new QLabel(canvas_);
    label->setFont(designFont("Arial", 96, QFont::Bold));
    setBorder(label, 1, amountColour);  // the text's colour too
    setGround(label, boxGroundColour);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(pixelBox(design));
    // Screen readers call a tally by its heading, which the design puts just before it.
    operations_->addTally(labelNamed(design.name), label, lastHeading_);
    return label;
}

QPushButton* Form1::makeCoinSlot(const ControlDesign& design)
{
    // A flat button: clicked by a press and a release inside it, pressed by
    // assistive tools, and out of the tab order like the label it looks like.
    auto* slot = new FlatButton(canvas_);
    setColour(slot, QPalette::Button, coinSlotColour);
    slot->setFocusPolicy(Qt::NoFocus);
    slot->setGeometry(pixelBox(design));
    slot->setAccessibleName(coinSlotWords());
    connect(slot, &QPushButton::clicked, this, [this] { machine_.lbCoinSlot_Click(); });
    // A player without a mouse drops a coin by key, whichever control has the
    // focus; plain keys, so no Alt mnemonic of any language can take them,
    // and none a screen reader keeps for itself (Insert and Caps Lock are
    // Orca's modifiers). Named as the player's keyboard names them.
    auto* key = new QShortcut(this);
    key->setKeys({QKeySequence(Qt::Key_PageUp), QKeySequence(Qt::Key_Plus)});
    connect(key, &QShortcut::activated, this, [this] { machine_.lbCoinSlot_Click(); });
    const QString keys = key->keys().front().toString(QKeySequence::NativeText);
    slot->setToolTip(coinSlotTip(keys));
    slot->setAccessibleDescription(coinSlotDescription(keys));
    coinSlot_ = slot;
    return slot;
}

QWidget* Form1::makeLine(const ControlDesign& design)
{
    auto* line = new DesignLine(canvas_, QColor(design.colour), design.lineWidth);
    line->setGeometry(pixelBox(design));
    leaveUnheard(line);  // a stroke of the design, nothing to hear
    return line;
}

QFrame* Form1::makeFrame(const ControlDesign& design)
{
    auto* frame = new QFrame(canvas_);
    // An outline lies inside its rectangle, however wide it is.
    setBorder(frame, design.lineWidth, QColor(design.colour));
    if (design.kind == ControlKind::filledFrame)
        setGround(frame, boxGroundColour);
    frame->setGeometry(pixelBox(design));
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    leaveUnheard(frame);
    return frame;
}

ReelWindow* Form1::makeReel(const ControlDesign& design)
{
    auto* reel = new ReelWindow(canvas_);
    reel->setGeometry(pixelBox(design));
    const int index = QString::fromLatin1(design.name).section(QLatin1Char('_'), -1).toInt();
    reel->setAccessibleName(reelWords(index, std::nullopt));
    operations_->addReel(index, reel);
    return reel;
}

QLabel* Form1::makePicture(const ControlDesign& design)
{
    const Picture picture = pictureNamed(design.name);
    // The picture is drawn when it is first shown: a prize only after a win.
    auto* widget = new QLabel(canvas_);
    widget->setGeometry(pixelBox(design));
    widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    widget->setHidden(design.kind == ControlKind::prize);
    widget->setAccessibleName(pictureWords(picture));
    operations_->add(picture, widget, design.kind == ControlKind::prize);
    return widget;
}

QPushButton* Form1::makeSpinButton(const ControlDesign& design)
{
    auto* button = new PictureButton(canvas_);
    button->setIcon(QIcon(artwork::draw(pictures::spinFace, devicePixelRatioF())));
    button->setIconSize(QSize(105, 50));
    button->setGeometry(pixelBox(design));
    button->setAccessibleName(spinWords());
    connect(button, &QPushButton::clicked, this, [this] { machine_.cmdSpin_Click(); });
    operations_->add(Button::cmdSpin, button);
    return button;
}

QPushButton* Form1::makeQuitButton(const ControlDesign& design)
{
    auto* button = new BevelButton(QCoreApplication::translate("Form1", design.caption), canvas_);
    button->setFont(designFont("Arial", 96, QFont::Bold));
    setColour(button, QPalette::Button, quitFaceColour);
    setColour(button, QPalette::Light, quitEdgeColour.lighter());
    setColour(button, QPalette::Dark, quitEdgeColour.darker());
    setColour(button, QPalette::ButtonText, Qt::black);
    setColour(button, QPalette::ButtonText, quitDisabledTextColour, QPalette::Disabled);
    button->setGeometry(pixelBox(design));
    button->setAccessibleName(quitWords());
    connect(button, &QPushButton::clicked, this, [this] { machine_.cmdQuit_Click(); });
    operations_->add(Button::cmdQuit, button);
    return button;
}

}  // namespace spinzaro
