// Qt's own texts in the desktop's language: the key names the menus show.

#include "platform/qtuebersetzung.h"

#include <QApplication>
#include <QKeySequence>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

QString Tastenname(QKeyCombination Taste) {
    return QKeySequence(Taste).toString(QKeySequence::NativeText);
}

// Takes back every translator a test installed, so the next test sees Qt's
// English again.
void UebersetzerEntfernen() {
    for (QTranslator* t : qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
}

} // namespace

TEST(QtUebersetzung, DeutscherDesktopZeigtDeutscheTastennamen) {
    ASSERT_EQ(Tastenname(Qt::CTRL | Qt::Key_Backspace), QStringLiteral("Ctrl+Backspace"));
    ASSERT_TRUE(QtUebersetzungLaden(*qApp, QLocale(QLocale::German, QLocale::Germany)));
    EXPECT_EQ(Tastenname(Qt::CTRL | Qt::Key_Backspace), QStringLiteral("Strg+Rücktaste"));
    EXPECT_EQ(Tastenname(Qt::ALT | Qt::SHIFT | Qt::Key_R), QStringLiteral("Alt+Umschalt+R"));
    UebersetzerEntfernen();
    EXPECT_EQ(Tastenname(Qt::CTRL | Qt::Key_Backspace), QStringLiteral("Ctrl+Backspace"));
}

TEST(QtUebersetzung, OhneUebersetzungBleibtQtsEnglisch) {
    EXPECT_FALSE(QtUebersetzungLaden(*qApp, QLocale(QLocale::Esperanto)));
    EXPECT_TRUE(qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly).isEmpty());
    EXPECT_EQ(Tastenname(Qt::ALT | Qt::SHIFT | Qt::Key_R), QStringLiteral("Alt+Shift+R"));
}
