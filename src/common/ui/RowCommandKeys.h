#pragma once

class QWidget;

// Ctrl+Ins and Ctrl+Canc are the insert and delete commands of the windows that keep rows (a
// movement's rows, the promotions). A line edit would take them as copy and delete-word first, so
// the commands would never run while the user types: in every line edit of the window they are
// left to the window's shortcuts. Call once the window's fields exist.
void KeepRowCommandKeys(QWidget* window);
