// The window's own keyboard behaviour, applied in the message loop before translation.
#pragma once

#include <windows.h>

class MainWindow;

// Applies the focus keys (Tab, Shift+Tab, Enter, the arrows on a radio button) and the close key
// to a key-down message aimed at the main window or a control inside it. True when the message is
// consumed and must not be translated or dispatched.
bool preprocessKey(MainWindow& window, const MSG& message);

// Moves the focus from a control (its layout index) along the focus order; with radioOnly, among the
// radio buttons of its parent, checking the target and running its clicked handler first.
void moveFocus(MainWindow& window, int from, bool forward, bool radioOnly);
