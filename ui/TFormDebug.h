#pragma once

// TFormDebug: a window for diagnostic output, hidden unless someone shows it. Text is appended
// line by line whether it is shown or not.

#include <QDialog>
#include <string_view>

class QPlainTextEdit;

namespace orrery {

class TFormDebug : public QDialog {
    Q_OBJECT
public:
    explicit TFormDebug(QWidget* parent = nullptr);

    // Appends one line (a text with line ends gives several).
    void append(const QString& line);
    void appendGameText(std::string_view text);
    void clear();
    QString text() const;

    QPlainTextEdit* MemoDebug = nullptr;
};

} // namespace orrery
