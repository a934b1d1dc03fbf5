#include "app/skribano.h"

#include "overlay/scrwin.h"
#include "toolwindow/toolwin2.h"

#include <QApplication>

int SkribanoMain(int argc, char** argv) {
    QApplication App(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Skribano"));
    TToolForm Tool;
    TScreenForm Screen;
    Tool.show();
    return App.exec();
}
