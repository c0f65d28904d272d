#pragma once

// The text tools in the main window: the text viewer ("Load text file..."), the text editor
// (its bar button and menu entry, disabled while it is open) and the one text search window
// they and the news window share.
//
//     installTextWindows(main);                       // once, from the main window's constructor
//     installedTextSearch(main)->openFor(reportList); // another window searching its lines

namespace orrery {

class TFormMain;
class TFormTextEditor;
class TFormTextSearch;
class TFormViewTextFile;

void installTextWindows(TFormMain& main);
// The windows installed in a main window, or nullptr.
TFormTextSearch* installedTextSearch(TFormMain& main);
TFormViewTextFile* installedTextViewer(TFormMain& main);
TFormTextEditor* installedTextEditor(TFormMain& main);

} // namespace orrery
