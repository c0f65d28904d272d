#pragma once

// TFormSelectFromList: a general chooser. It is opened with a label, whether several entries may
// be chosen, whether the list is sorted, a fill operation (which fills the list and answers
// whether the window is to be shown at all) and an operation that OK calls once for every chosen
// entry, in list order.
//
//     chooser->open("Planets:", true, true,
//                   [&](QStringList& entries) { entries << "Mars" << "Venus"; return true; },
//                   [&](const QString& entry) { plan(entry); });

#include <QDialog>

#include <functional>

class QLabel;
class QListWidget;
class QPushButton;

namespace orrery {

class TFormSelectFromList : public QDialog {
    Q_OBJECT
public:
    using Fill = std::function<bool(QStringList&)>;
    using Run = std::function<void(const QString&)>;

    explicit TFormSelectFromList(QWidget* parent = nullptr);

    // False when the fill operation said that there is nothing to choose (the window stays hidden).
    bool open(const QString& label, bool multipleSelection, bool sorted, const Fill& fill, Run run);

    void ButtonOKClick();

    QLabel* LabelList = nullptr;
    QListWidget* ListBoxEntries = nullptr;
    QPushButton* ButtonOK = nullptr;
    QPushButton* ButtonCancel = nullptr;

private:
    Run run_;
};

} // namespace orrery
