#include "ui/Zugang.h"

#include "ui/Nebenfenster.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QToolButton>
#include <QApplication>
#include <QButtonGroup>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QProxyStyle>

namespace mvt {

namespace {

QAccessibleInterface *Fensterfabrik(const QString &klasse, QObject *objekt)
{
    // Only the frame class itself: the subclasses reach it while Qt walks up their classes.
    if (klasse != QLatin1String("mvt::TNebenfenster"))
        return nullptr;
    auto *w = qobject_cast<QWidget *>(objekt);
    // QAccessibleWidget names a window by its caption.
    return w && w->isWindow() ? new QAccessibleWidget(w, QAccessible::Dialog) : nullptr;
}

// Qt reads a checkable tool button as a check box, also in an exclusive group.
class TAuswahlZugang : public QAccessibleWidget {
public:
    explicit TAuswahlZugang(QAbstractButton *b) : QAccessibleWidget(b, QAccessible::RadioButton) {}
    QAbstractButton *Knopf() const { return static_cast<QAbstractButton *>(widget()); }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = Knopf()->isChecked();
        return s;
    }
    QString text(QAccessible::Text t) const override
    {
        const QString eigen = QAccessibleWidget::text(t);
        return t == QAccessible::Name && eigen.isEmpty() ? Knopf()->text() : eigen;
    }
    QStringList actionNames() const override
    {
        return Knopf()->isEnabled() ? QStringList{toggleAction(), pressAction(), setFocusAction()}
                                    : QStringList{};
    }
    void doAction(const QString &name) override
    {
        if (!Knopf()->isEnabled())
            return;
        if (name == toggleAction())
            Knopf()->setChecked(true); // one of the group is always checked
        else if (name == pressAction())
            Knopf()->click();
        else if (name == setFocusAction())
            Knopf()->setFocus(Qt::OtherFocusReason);
    }
};

QAccessibleInterface *Auswahlfabrik(const QString &klasse, QObject *objekt)
{
    if (klasse != QLatin1String("QToolButton") || !objekt->property("mvtAuswahlknopf").toBool())
        return nullptr;
    return new TAuswahlZugang(static_cast<QToolButton *>(objekt));
}

// A changed hint is a changed description (QWidget::setToolTip sends no accessible event).
class THinweisMelder : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override
    {
        if (ereignis->type() == QEvent::ToolTipChange && objekt->isWidgetType()) {
            auto *w = static_cast<QWidget *>(objekt);
            if (w->accessibleDescription().isEmpty() && QAccessible::isActive())
                BeschreibungGeaendert(w);
        }
        return false;
    }
};

class TZugriffstastenStil : public QProxyStyle {
public:
    int styleHint(StyleHint h, const QStyleOption *o, const QWidget *w, QStyleHintReturn *r) const override
    {
        if (h == SH_UnderlineShortcut) // the modifier is read now, as the menu bar is painted
            return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::AltModifier) ? 1 : 0;
        return QProxyStyle::styleHint(h, o, w, r);
    }
};

// Repaints the menu bar when Alt goes down or up.
class TAltMelder : public QObject {
public:
    explicit TAltMelder(QWidget *leiste) : QObject(leiste), m_leiste(leiste) {}

protected:
    bool eventFilter(QObject *, QEvent *ereignis) override
    {
        if ((ereignis->type() == QEvent::KeyPress || ereignis->type() == QEvent::KeyRelease) &&
            static_cast<QKeyEvent *>(ereignis)->key() == Qt::Key_Alt)
            m_leiste->update();
        return false;
    }

private:
    QWidget *m_leiste;
};

QList<QAbstractButton *> Gruppe(QAbstractButton *knopf)
{
    if (QButtonGroup *g = knopf->group())
        return g->exclusive() ? g->buttons() : QList<QAbstractButton *>{knopf};
    if (!knopf->autoExclusive() || !knopf->parentWidget())
        return {knopf};
    QList<QAbstractButton *> r;
    for (auto *b : knopf->parentWidget()->findChildren<QAbstractButton *>(Qt::FindDirectChildrenOnly))
        if (b->autoExclusive() && !b->group() && b->isCheckable())
            r << b;
    return r;
}

} // namespace

void ZugangEinrichten()
{
    static bool eingerichtet = false;
    if (eingerichtet || !qApp)
        return;
    eingerichtet = true;
    QAccessible::installFactory(Fensterfabrik);
    QAccessible::installFactory(Auswahlfabrik);
    qApp->installEventFilter(new THinweisMelder(qApp));
}

void AlsAuswahlknopf(QAbstractButton *knopf)
{
    ZugangEinrichten();
    knopf->setProperty("mvtAuswahlknopf", true);
    // An interface Qt made before (setting the name makes one) would stay a check box.
    if (QAccessibleInterface *alt = QAccessible::queryAccessibleInterface(knopf);
        alt && alt->role() != QAccessible::RadioButton)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(alt));
    TabAufGewaehltem(knopf);
    // The checked member is read as selected when it changes.
    QObject::connect(knopf, &QAbstractButton::toggled, knopf, [knopf] {
        QAccessible::State s;
        s.checked = true;
        QAccessibleStateChangeEvent e(knopf, s);
        QAccessible::updateAccessibility(&e);
    });
}

void TabAufGewaehltem(QAbstractButton *knopf)
{
    auto folgen = [knopf](bool an) {
        if (!an)
            return;
        // The others keep the click focus, so that they stay in the focus chain
        // (QWidget::setTabOrder ignores a widget without any focus).
        for (QAbstractButton *b : Gruppe(knopf))
            b->setFocusPolicy(b == knopf
                                  ? Qt::FocusPolicy(b->focusPolicy() | Qt::TabFocus)
                                  : Qt::FocusPolicy((b->focusPolicy() & ~Qt::TabFocus) | Qt::ClickFocus));
    };
    QObject::connect(knopf, &QAbstractButton::toggled, knopf, folgen);
    folgen(knopf->isChecked());
}

void ZugriffstastenBeiAlt(QWidget *leiste)
{
    auto *stil = new TZugriffstastenStil; // on the application's style
    stil->setParent(leiste);
    leiste->setStyle(stil);
    qApp->installEventFilter(new TAltMelder(leiste));
}

void NameGeaendert(QWidget *w)
{
    QAccessibleEvent e(w, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&e);
}

void BeschreibungGeaendert(QWidget *w)
{
    QAccessibleEvent e(w, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&e);
}

} // namespace mvt
