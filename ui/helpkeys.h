#pragma once

// F1 opens the help at the page of the window it is pressed in.
//
//     installHelpKey(main); // once, from the main window's constructor
//
// It also makes the screenshot mode's "--show help" open the help at the introduction.
//
// The page is found from the widget with the keyboard focus outward: the first widget with a
// "helpKeyword" property (a window can name its page with setProperty("helpKeyword", "news")),
// else the first widget whose class, or a class it derives from, has a page. Windows of the
// program without a page of their own get the page of the window they belong to, at last the
// main display.

#include <QString>

class QWidget;

namespace orrery {

class TFormMain;

// The help keyword for F1 pressed in the widget ("" when neither it nor its parents have one).
QString helpKeywordOf(const QWidget* widget);

void installHelpKey(TFormMain& main);

} // namespace orrery
