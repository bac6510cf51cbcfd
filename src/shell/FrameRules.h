#pragma once

#include <QDateTime>
#include <QFont>
#include <QRect>
#include <QString>

class Profile;

// The main frame's rules that need no window: status texts, column widths, the news schedule,
// the splash texts' fitting.
namespace FrameRules {

// The status bar's row-count text: kind 1 items, 2 movements, 3 counterparts (count grouped by
// the company's format), 4 the agenda; any other kind gives an empty text.
QString RowCountText(const Profile& profile, int kind, int count);

// Whether timer 3 fetches the news now, given the stored "DtMsgShow" text, and whether it
// writes the current time back. At most once a day; an unreadable value fetches at once, a
// value in the future counts as two days ago.
struct NewsDecision {
    bool fetch = false;
    bool writeNow = false;
};
NewsDecision NewsRule(const QString& storedDtMsgShow, const QDateTime& now);
// The form "DtMsgShow" is written in.
QString NewsStamp(const QDateTime& now);

// Where the news window sits while it is shown: in the frame's lower right corner, half the
// frame's width (at least 350) by a quarter of its height (at least 150), its bottom on the top
// of the status bar. frame is the frame's inner rectangle and statusTop the status bar's top,
// both in screen coordinates.
QRect InfoWindowRect(const QRect& frame, int statusTop);

// The splash texts: starting from the font's own pixel size, shrink it by 2 until the text
// fits the rectangle (never below 2). Returns the pixel size to draw with.
int FittedPixelSize(QFont font, const QString& text, const QRect& rect);

} // namespace FrameRules
