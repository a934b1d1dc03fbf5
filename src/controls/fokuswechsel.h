#pragma once
// When does the keyboard focus leave a control? The dialogs' fields rewrite
// their text and the buttons drop their focus marks only when the user moves
// on to another control of the same window. A popup or a message box opening,
// or another window being activated, takes the focus away only for a while:
// a half-typed value must survive it, and the control gets the focus back
// when its window is active again.

#include <QFocusEvent>

inline bool IstFokuswechsel(const QFocusEvent& Event) {
    return Event.reason() != Qt::PopupFocusReason && Event.reason() != Qt::ActiveWindowFocusReason;
}
