#pragma once
// Hands pictures to the user's e-mail program through xdg-email. Nothing is
// started unless a mail program is configured: without one, xdg-email would
// fall back to a web browser, which may wait on a terminal for good. The
// child never gets a terminal on its standard input and is waited on for a
// limited time only. While it is waited on, the program shows that it is
// busy and takes no input, but goes on painting.

#include <QString>
#include <QStringList>
#include <cstdint>

// How long a hand-over is waited for. A mail program that xdg-email starts
// in the foreground is still running then: its compose window is open, so
// the hand-over counts as done.
constexpr int MailFristMs = 10000;

// A mail program counts as present when $MAILER is set or xdg-mime names a
// handler for mailto addresses.
bool MailProgrammVorhanden();

// Opens a new message with Subject and Body (may be empty) and Files
// attached. 0 when handed over; anything else means nothing was sent.
// Tells the user the outcome in a message box.
int32_t SendMailMapi(const QString& Subject, const QString& Body, const QStringList& Files,
                     int FristMs = MailFristMs);

// Opens the mail program with the mailto address Adresse, under the same
// guard; the outcome is not reported.
void MailtoOeffnen(const QString& Adresse, int FristMs = MailFristMs);

// True while a mail program that was given Datei is still running past its
// time limit: its message may still need the attachment.
bool AnhangInGebrauch(const QString& Datei);
