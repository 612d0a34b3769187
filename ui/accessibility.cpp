// What assistive tools reach of the window.
#include "accessibility.h"

#include "spoken.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCoreApplication>
#include <QTimer>

#include <stdexcept>
#include <string>
#include <utility>

namespace spinzaro {

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
