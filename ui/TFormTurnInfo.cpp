#include "TFormTurnInfo.h"

#include "messages.h"
#include "raceviews.h"

#include <QFontDatabase>
#include <QHideEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace orrery {

TFormTurnInfo::TFormTurnInfo(QWidget* parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("FormTurnInfo"));
    setWindowTitle(QStringLiteral("Turn overview"));
    MemoInfo = new QPlainTextEdit(this);
    MemoInfo->setObjectName(QStringLiteral("MemoInfo"));
    MemoInfo->setReadOnly(true);
    MemoInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoInfo->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The lines about other races align their numbers in columns.
    MemoInfo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(MemoInfo);
    resize(520, 360);
}

void TFormTurnInfo::FormShow(const Game& game)
{
    MemoInfo->clear();
    QStringList lines;
    for (const std::string& line : turnOverviewLines(game)) lines << fromGame(line);
    MemoInfo->setPlainText(lines.join(QLatin1Char('\n')));
}

void TFormTurnInfo::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (onShownChanged) onShownChanged(true);
}

void TFormTurnInfo::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous() && onShownChanged) onShownChanged(false);
}

} // namespace orrery
