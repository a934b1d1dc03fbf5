#pragma once
// For as long as the program waits for another program: the wait pointer
// over all its windows, and the user's input dropped (not queued, so that no
// stroke or command runs afterwards by accident), while the windows go on
// painting and the pointer still shows what lies under it. A close from the
// window manager is refused meanwhile. Work that must not run inside such a
// wait is put off with Danach.

#include <QObject>
#include <functional>

class TBeschaeftigt : public QObject {
public:
    TBeschaeftigt();
    ~TBeschaeftigt() override;
    TBeschaeftigt(const TBeschaeftigt&) = delete;
    TBeschaeftigt& operator=(const TBeschaeftigt&) = delete;

    static bool Aktiv();
    // Runs Aufgabe from the event loop once no wait is held any more, at
    // once when none is.
    static void Danach(std::function<void()> Aufgabe);

    bool eventFilter(QObject* Objekt, QEvent* Event) override;
};
