#pragma once
// Qt's own texts (key names in menus such as "Strg+Rücktaste", the buttons
// of standard dialogs) in the desktop's language.

#include <QLocale>

class QCoreApplication;

// Loads Qt's translation for Sprache (the desktop's) into App, if one is
// installed; returns whether one was loaded. Without one Qt's English stays.
bool QtUebersetzungLaden(QCoreApplication& App, const QLocale& Sprache = QLocale::system());
