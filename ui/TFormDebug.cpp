#include "TFormDebug.h"

#include "messages.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace orrery {

TFormDebug::TFormDebug(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFormDebug"));
    setWindowTitle(QStringLiteral("Debug"));
    MemoDebug = new QPlainTextEdit(this);
    MemoDebug->setObjectName(QStringLiteral("MemoDebug"));
    MemoDebug->setReadOnly(true);
    MemoDebug->setLineWrapMode(QPlainTextEdit::NoWrap);
    MemoDebug->setFont(QFont(QStringLiteral("Monospace")));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(MemoDebug);
    resize(500, 300);
}

void TFormDebug::append(const QString& line)
{
    QString text = line;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    MemoDebug->appendPlainText(text);
}

void TFormDebug::appendGameText(std::string_view text) { append(fromGame(text)); }

void TFormDebug::clear() { MemoDebug->clear(); }

QString TFormDebug::text() const { return MemoDebug->toPlainText(); }

} // namespace orrery
