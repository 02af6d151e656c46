#include "form/spoken_results.h"

#include "toolkit/AniPushButton.h"
#include "toolkit/controls.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

constexpr const char *ResultProperty = "quorvelResult"; // the word its figures are spoken with
constexpr const char *RoleProperty = "quorvelRole";

// "2.57 metres": the figure of a result label with the unit of its name in
// words; its name while it shows no figure (nothing, or the design placeholder).
QString figureSpoken(const QLabel *label)
{
    const QString figure = label->text().simplified().section(u' ', 0, 0);
    bool isNumber = false;
    figure.toDouble(&isNumber);
    const QString name = label->accessibleName();
    return isNumber ? figure + u' ' + name.section(QStringLiteral(", "), 1) : name;
}

class ResultAccessible : public QAccessibleWidget {
public:
    explicit ResultAccessible(QLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        const auto *label = static_cast<const QLabel *>(widget());
        if (t == QAccessible::Value) return label->text().simplified();
        return t == QAccessible::Name ? figureSpoken(label) : QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *formFactory(const QString &, QObject *object)
{
    auto *w = qobject_cast<QWidget *>(object);
    if (!w) return nullptr;
    if (auto *label = qobject_cast<QLabel *>(w); label && label->property(ResultProperty).isValid())
        return new ResultAccessible(label);
    if (const QVariant role = w->property(RoleProperty); role.isValid())
        return new QAccessibleWidget(w, role.value<QAccessible::Role>());
    return nullptr;
}

} // namespace

// Orca 43 ignores a label whose name changes, and Qt 6.4 has no announcement
// event; but Orca speaks a notification as it shows, and inside a status bar
// it reads just the labels in it, without a role name. So the figures a
// keystroke changes are gathered and, once the keystroke has been handled,
// written into the label of a hidden notification in a hidden status bar,
// which is then reported as shown: one message per keystroke, none when a
// guard stops the calculation or nothing changes.
class Announcer : public QWidget {
public:
    // Built apart and then put on the form, so that no interface of Qt's own is
    // made for the two before they have their roles.
    explicit Announcer(QWidget *form) : m_note(new QWidget), m_message(new QLabel(m_note))
    {
        setObjectName(QStringLiteral("announcements"));
        m_message->setObjectName(QStringLiteral("announcement"));
        setProperty(RoleProperty, QVariant::fromValue(QAccessible::StatusBar));
        m_note->setProperty(RoleProperty, QVariant::fromValue(QAccessible::Notification));
        m_note->setParent(this);
        setParent(form);
        hide();
    }

    void changed(QLabel *result)
    {
        QAccessibleEvent renamed(result, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
        if (m_changed.isEmpty()) QMetaObject::invokeMethod(this, &Announcer::speak, Qt::QueuedConnection);
        if (!m_changed.contains(result)) m_changed << result;
    }

private:
    void speak()
    {
        QStringList said;
        for (QLabel *result : std::exchange(m_changed, {}))
            if (!result->text().isEmpty())
                said << (result->property(ResultProperty).toString() + u' ' + figureSpoken(result)).trimmed();
        if (said.isEmpty()) return;
        m_message->setText(said.join(QStringLiteral(", ")));
        QAccessibleEvent shown(m_note, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }

    QWidget *m_note;
    QLabel *m_message;
    QList<QLabel *> m_changed;
};

void installAccessibleFactories()
{
    AniPushButton::installAccessibleFactory();
    QAccessible::installFactory(formFactory);
}

Announcer *addAnnouncer(QWidget *form) { return new Announcer(form); }

// A result label reads as its figure through our interface, and each new
// caption is handed to the announcer.
void makeSpokenResult(Label *label, const char *result, Announcer *announcer)
{
    label->setProperty(ResultProperty, QString::fromUtf8(result));
    QObject::connect(label, &Label::captionChanged, announcer, [announcer, label] { announcer->changed(label); });
    // Setting a caption while the form was built may already have made
    // Qt's own interface for the label; drop it so ours is made instead.
    if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(label);
        made && !dynamic_cast<ResultAccessible *>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}
