// The accessible side of the window.
#include "spoken.h"

#include "pay_table.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCoreApplication>
#include <QTimer>

#include <stdexcept>
#include <string>
#include <utility>

namespace spinzaro {

namespace {

QString spoken(const char* text)
{
    return QCoreApplication::translate("Spoken", text);
}

// In the symbols' order, from entry 1.
constexpr std::array<const char*, symbolCount> symbolTexts = {
    QT_TRANSLATE_NOOP("Spoken", "single bar"), QT_TRANSLATE_NOOP("Spoken", "wild"),
    QT_TRANSLATE_NOOP("Spoken", "double bar"), QT_TRANSLATE_NOOP("Spoken", "bell"),
    QT_TRANSLATE_NOOP("Spoken", "bonus"),      QT_TRANSLATE_NOOP("Spoken", "cherries"),
    QT_TRANSLATE_NOOP("Spoken", "triple bar"), QT_TRANSLATE_NOOP("Spoken", "emblem"),
};

constexpr auto pictureTexts = std::to_array<std::pair<Picture, const char*>>({
    {Picture::imgMenu, QT_TRANSLATE_NOOP("Spoken", "pay table")},
    {Picture::imgCoins2, QT_TRANSLATE_NOOP("Spoken", "coins")},
    {Picture::img50bill, QT_TRANSLATE_NOOP("Spoken", "fifty-dollar bill")},
    {Picture::img100Bill, QT_TRANSLATE_NOOP("Spoken", "hundred-dollar bill")},
});

}  // namespace

QString symbolWords(int entry)
{
    return spoken(symbolTexts.at(static_cast<std::size_t>(entry) - 1));
}

QString payLineWords(int amountElement)
{
    for (const PayRow& row : payTable)
        if (row.amountLabel == amountElement) {
            const QString symbol = symbolWords(static_cast<int>(row.symbol));
            return QStringList{symbol, symbol, symbol}.join(QLatin1Char(' '));
        }
    return {};
}

QString payRowWords(int amountElement, const QString& amount)
{
    const QString line = payLineWords(amountElement);
    return line.isEmpty() ? amount : QCoreApplication::translate("Spoken", "%1 pays %2").arg(line, amount);
}

QString pictureWords(Picture picture)
{
    for (const auto& [control, text] : pictureTexts)
        if (control == picture)
            return spoken(text);
    throw std::out_of_range("no words for image control " + std::string(controlName(picture)));
}

QString reelWords(int reel, std::optional<int> entry)
{
    const QString symbol = entry ? symbolWords(*entry) : spoken(QT_TRANSLATE_NOOP("Spoken", "empty"));
    return QCoreApplication::translate("Spoken", "Reel %1: %2").arg(reel + 1).arg(symbol);
}

QString tallyWords(const QString& heading, const QString& amount)
{
    return heading + QLatin1Char(' ') + amount;
}

// The slot is heard by the caption the window shows under it.
QString coinSlotWords()
{
    return QCoreApplication::translate("Form1", "Coin Slot");
}

QString coinSlotTip(const QString& key)
{
    return QCoreApplication::translate("Spoken", "Drop a coin to raise the stake (%1 or +)").arg(key);
}

QString coinSlotDescription(const QString& key)
{
    return QCoreApplication::translate("Spoken", "Raises the stake by one dollar, after five back to one; key %1 or +")
        .arg(key);
}

QString spinWords()
{
    return QCoreApplication::translate("Spoken", "Spin");
}

QString quitWords()
{
    return QCoreApplication::translate("Spoken", "Quit");
}

Announcement::Announcement(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("announcement"));
    setGeometry(0, 0, 1, 1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Reached by Tab only while it is shown, when nothing else takes the focus.
    setFocusPolicy(Qt::TabFocus);
    hide();
    notice_ = new Notice(parent);
}

Notice::Notice(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("notice"));
    setGeometry(0, 0, 1, 1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void Notice::say(const QString& news)
{
    if (!window()->isVisible())
        return;  // the opening stake, written before the window shows
    words_ = news;
    hide();
    show();
    // Gone again once read, so that it never stands beside the control it quotes.
    QTimer::singleShot(500, this, [this, news] {
        if (words_ == news)
            hide();
    });
}

void Announcement::prizeShown(bool visible)
{
    // Every Spin press hides the prizes: a round wins when one is shown again.
    won_ = visible;
}

void Announcement::rowShown(int amountElement, bool visible)
{
    if (visible)
        shownRow_ = amountElement;
    else if (shownRow_ == amountElement)
        shownRow_.reset();
}

void Announcement::amountWritten(int amountElement, const QString& amount)
{
    amounts_.at(static_cast<std::size_t>(amountElement)) = amount;
}

void Announcement::balanceWritten(const QString& balance)
{
    const QString line = won_ && shownRow_ ? payLineWords(*shownRow_) : QString();
    if (line.isEmpty()) {
        tell(QCoreApplication::translate("Spoken", "You lose. %1").arg(balance));
        return;
    }
    const QString& amount = amounts_.at(static_cast<std::size_t>(*shownRow_));
    // Read by the accessible interface when the reader asks, after this
    // handler, so the focus could come here before the words were known.
    words_ = QCoreApplication::translate("Spoken", "You win %1 on %2. %3").arg(amount, line, balance);
    if (!heldFrom_)
        tell(words_);  // the focus was nowhere
}

void Announcement::stakeWritten(const QString& stake)
{
    // Not the stake box's own name, so that no two objects share one.
    tell(QCoreApplication::translate("Spoken", "Stake now %1").arg(stake));
}

void Announcement::tell(const QString& news)
{
    notice_->say(news);
}

void Announcement::holdFocus(QWidget* holder)
{
    if (heldFrom_)
        return;
    heldFrom_ = holder;
    show();
    setFocus(Qt::OtherFocusReason);
}

void Announcement::buttonEnabled()
{
    if (!heldFrom_ || !heldFrom_->isEnabled())
        return;
    // Given back before hiding, which would hand the focus on itself.
    if (hasFocus() || window()->focusWidget() == this)
        heldFrom_->setFocus(Qt::OtherFocusReason);
    heldFrom_ = nullptr;
    hide();
}

namespace {

// The announcement's name is the win it holds the focus for.
class AnnouncementInterface : public QAccessibleWidget {
public:
    explicit AnnouncementInterface(Announcement* announcement)
        : QAccessibleWidget(announcement, QAccessible::StaticText)
    {
    }
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return static_cast<const Announcement*>(widget())->words();
        return QAccessibleWidget::text(kind);
    }
};

constexpr const char* unheardProperty = "spinzaro_unheard";

// A plain container whose children are heard but for those left unheard.
class ContainerInterface : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;
    int childCount() const override { return static_cast<int>(heardChildren().size()); }
    QAccessibleInterface* child(int index) const override
    {
        return QAccessible::queryAccessibleInterface(heardChildren().value(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return static_cast<int>(heardChildren().indexOf(child->object()));
    }

private:
    QList<QObject*> heardChildren() const
    {
        QList<QObject*> heard;
        for (QObject* child : widget()->children()) {
            const auto* childWidget = qobject_cast<QWidget*>(child);
            if (childWidget != nullptr && !childWidget->isWindow() && !child->property(unheardProperty).toBool())
                heard.append(child);
        }
        return heard;
    }
};

class NoticeInterface : public QAccessibleWidget {
public:
    explicit NoticeInterface(Notice* notice) : QAccessibleWidget(notice, QAccessible::Notification) {}
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return static_cast<const Notice*>(widget())->words();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* accessibleOf(const QString& className, QObject* object)
{
    if (className == QLatin1String("spinzaro::Notice"))
        return new NoticeInterface(static_cast<Notice*>(object));
    if (className == QLatin1String("spinzaro::Announcement"))
        return new AnnouncementInterface(static_cast<Announcement*>(object));
    if (object->metaObject() == &QWidget::staticMetaObject)
        return new ContainerInterface(static_cast<QWidget*>(object));
    return nullptr;
}

}  // namespace

void leaveUnheard(QWidget* widget)
{
    widget->setProperty(unheardProperty, true);
}

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleOf);
        return true;
    }();
    (void)installed;
}

}  // namespace spinzaro
