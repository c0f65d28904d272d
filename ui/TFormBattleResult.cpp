#include "TFormBattleResult.h"

#include <QCloseEvent>
#include <QListWidget>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace orrery {

TFormBattleResult::TFormBattleResult(QWidget* parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("FormBattleResult"));
    setWindowTitle(QStringLiteral("Battle Result"));
    ListBoxResult = new QListWidget(this);
    ListBoxResult->setObjectName(QStringLiteral("ListBoxResult"));
    QFont font(QStringLiteral("Monospace"));
    font.setStyleHint(QFont::TypeWriter);
    ListBoxResult->setFont(font);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ListBoxResult);
    // Wide enough for the longest shot lines of the protocol.
    resize(720, 460);
}

void TFormBattleResult::showResult(const QString& text, const QString& caption)
{
    setWindowTitle(caption.isEmpty() ? QStringLiteral("Battle result") : caption);
    QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    // The break that ends the last line starts no further line.
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    ListBoxResult->clear();
    ListBoxResult->addItems(lines);
    show();
    raise();
    activateWindow();
}

QStringList TFormBattleResult::lines() const
{
    QStringList out;
    for (int i = 0; i < ListBoxResult->count(); ++i) out << ListBoxResult->item(i)->text();
    return out;
}

void TFormBattleResult::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted() && onClosed) onClosed();
}

} // namespace orrery
