#pragma once

// List column widths are never stored below this, in every list of the program.
constexpr int kMinColumnWidth = 20;
inline int StoredColumnWidth(int width) {
    return width < kMinColumnWidth ? kMinColumnWidth : width;
}
