#include "planner/ui/MenueeintragZugang.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QAction>
#include <QMenu>
#include <QString>

namespace mvt {

namespace {

QString (*g_beschreibung)(QAction *) = nullptr;

QMenu *Besitzer(QAction *a)
{
    for (QObject *o : a->associatedObjects())
        if (auto *m = qobject_cast<QMenu *>(o))
            return m;
    return nullptr;
}

class TMenueeintragZugang : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    explicit TMenueeintragZugang(QAction *a) : m_aktion(a) {}

    bool isValid() const override { return m_aktion && Besitzer(m_aktion); }
    QObject *object() const override { return m_aktion; }
    QWindow *window() const override
    {
        QMenu *m = Besitzer(m_aktion);
        return m ? m->windowHandle() : nullptr;
    }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(Besitzer(m_aktion));
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return QString(m_aktion->text()).remove(u'&');
        if (t == QAccessible::Description && g_beschreibung)
            return g_beschreibung(m_aktion);
        return QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        QMenu *m = Besitzer(m_aktion);
        if (!m)
            return QRect();
        const QRect r = m->actionGeometry(m_aktion);
        return QRect(m->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    void *interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }
    // A screen reader chooses an entry through its press action, as in Qt's own menus.
    QStringList actionNames() const override
    {
        return m_aktion->isEnabled() ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString &name) override
    {
        if (name != pressAction() || !m_aktion->isEnabled())
            return;
        // The choice closes the open menus, as a click does.
        for (int i = 0; i < 8 && QApplication::activePopupWidget(); ++i)
            QApplication::activePopupWidget()->close();
        m_aktion->trigger();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        QMenu *m = Besitzer(m_aktion);
        if (!m || !m->isVisible() || !m_aktion->isVisible())
            s.invisible = true;
        if (m && m->activeAction() == m_aktion)
            s.focused = true;
        if (!m_aktion->isEnabled())
            s.disabled = true;
        s.focusable = true;
        return s;
    }

private:
    QAction *m_aktion;
};

QAccessibleInterface *Fabrik(const QString &klasse, QObject *objekt)
{
    if (klasse != QLatin1String("QAction") || !g_beschreibung)
        return nullptr;
    auto *a = qobject_cast<QAction *>(objekt);
    if (!a || g_beschreibung(a).isNull())
        return nullptr;
    return new TMenueeintragZugang(a);
}

} // namespace

void MenueeintragZugangInstallieren(QString (*beschreibung)(QAction *))
{
    if (g_beschreibung)
        return;
    g_beschreibung = beschreibung;
    QAccessible::installFactory(Fabrik);
}

} // namespace mvt
