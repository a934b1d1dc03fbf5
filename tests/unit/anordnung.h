#pragma once
// Layout checks for the fixed-size dialogs: the controls placed side by side
// in one parent must neither cover each other nor stick out of it.

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <string>

inline QString Beschreibung(const QWidget* W) {
    return QStringLiteral("%1 %2 (%3,%4 %5x%6)")
        .arg(QLatin1String(W->metaObject()->className()), W->objectName())
        .arg(W->x())
        .arg(W->y())
        .arg(W->width())
        .arg(W->height());
}

// Every pair of Parent's shown child widgets that overlap, and every one
// that reaches outside Parent, one per line; empty when the layout is clean.
inline std::string Ueberdeckungen(const QWidget* Parent) {
    QList<const QWidget*> Kinder;
    for (const QWidget* w : Parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!w->isWindow() && !w->isHidden()) Kinder.append(w);
    QStringList Fehler;
    for (qsizetype i = 0; i < Kinder.size(); ++i) {
        if (!Parent->rect().contains(Kinder[i]->geometry()))
            Fehler << Beschreibung(Kinder[i]) + QStringLiteral(" ragt hinaus");
        for (qsizetype j = i + 1; j < Kinder.size(); ++j)
            if (Kinder[i]->geometry().intersects(Kinder[j]->geometry()))
                Fehler << Beschreibung(Kinder[i]) + QStringLiteral(" deckt ") +
                              Beschreibung(Kinder[j]);
    }
    return Fehler.join(QLatin1Char('\n')).toStdString();
}
