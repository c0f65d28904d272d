#pragma once

// A layout that sets its widgets side by side at their preferred widths, in the order added, and
// goes on in a new line where the next one would not fit the width or where a new line is asked
// for. Its height follows the width (height for width), so a narrow window gets more lines and
// no text is cut.

#include <QLayout>
#include <QList>

namespace orrery {

class FlowLayout : public QLayout {
public:
    // spacing: pixels between two widgets of a line; lineSpacing: between two lines.
    FlowLayout(int spacing, int lineSpacing);
    ~FlowLayout() override;

    // Adds a widget after the last; newLine starts a new line with it.
    void addFlowWidget(QWidget* widget, bool newLine);

    void addItem(QLayoutItem* item) override;
    int count() const override { return static_cast<int>(items_.size()); }
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    struct Entry {
        QLayoutItem* item;
        bool newLine;
    };
    // Lays the items out in rect (moving them when apply is set); returns the height used.
    int arrange(const QRect& rect, bool apply) const;

    QList<Entry> items_;
    int spacing_;
    int lineSpacing_;
};

} // namespace orrery
