#pragma once
// The document opener: hands a web address or a document to the desktop's
// opener (xdg-open), which starts the user's browser or the program that
// handles the document.

#include <QString>
#include <functional>

// How long the opener's answer is awaited. A browser that stays in the
// foreground keeps the opener running; past this limit the hand-over counts
// as done and the opener is left to run.
constexpr int OpenDocumentZeitLimitMs = 10000;

// Starts the opener for Name and returns at once; the program goes on while
// the opener works. The opener gets no standard input. When it fails (it
// cannot be started, or it ends with an exit code other than 0 within the
// limit), an error box names Name. Fertig, when given, learns the outcome:
// false after a failure, true when the opener succeeded or is still running
// at the limit.
void OpenDocument(const QString& Name, std::function<void(bool)> Fertig = {},
                  int ZeitLimitMs = OpenDocumentZeitLimitMs);

// The error text for a Name that cannot be opened.
QString OpenDocumentFehlertext(const QString& Name);
