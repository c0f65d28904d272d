#include "TFormTextSearch.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

namespace orrery {

TFormTextSearch::TFormTextSearch(MessageBoxes& boxes, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), boxes_(boxes)
{
    setObjectName(QStringLiteral("FormTextSearch"));
    setWindowTitle(QStringLiteral("Text search"));

    auto* label = new QLabel(QStringLiteral("Search for:"), this);
    EditSearch = new QLineEdit(this);
    EditSearch->setMinimumWidth(260);
    label->setBuddy(EditSearch);
    CheckBoxCaseSensitive = new QCheckBox(QStringLiteral("Case sensitive search"), this);
    ButtonSearch = new QPushButton(QStringLiteral("Search"), this);
    ButtonSearchAgain = new QPushButton(QStringLiteral("Search again"), this);
    ButtonClose = new QPushButton(QStringLiteral("Close"), this);
    ButtonSearch->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ButtonSearch);
    buttons->addWidget(ButtonSearchAgain);
    buttons->addStretch();
    buttons->addWidget(ButtonClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(EditSearch);
    layout->addWidget(CheckBoxCaseSensitive);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());

    connect(ButtonSearch, &QPushButton::clicked, this, &TFormTextSearch::ButtonSearchClick);
    connect(ButtonSearchAgain, &QPushButton::clicked, this, &TFormTextSearch::ButtonSearchAgainClick);
    connect(EditSearch, &QLineEdit::returnPressed, this, &TFormTextSearch::ButtonSearchAgainClick);
    connect(ButtonClose, &QPushButton::clicked, this, &QWidget::close);
}

void TFormTextSearch::openFor(QAbstractItemView* list)
{
    list_ = list;
    edit_ = nullptr;
    bringUp();
}

void TFormTextSearch::openFor(QPlainTextEdit* edit)
{
    edit_ = edit;
    list_ = nullptr;
    bringUp();
}

QWidget* TFormTextSearch::target() const
{
    if (list_) return list_;
    return edit_;
}

void TFormTextSearch::closeFor(const QWidget* window)
{
    const QWidget* searched = target();
    if (isVisible() && searched != nullptr && (searched == window || window->isAncestorOf(searched))) close();
}

void TFormTextSearch::bringUp()
{
    search_.reset();
    show();
    raise();
    activateWindow();
    EditSearch->setFocus();
    EditSearch->selectAll();
}

void TFormTextSearch::ButtonSearchClick()
{
    search_.reset();
    ButtonSearchAgainClick();
}

void TFormTextSearch::ButtonSearchAgainClick()
{
    const std::string what = toGame(EditSearch->text());
    const bool caseSensitive = CheckBoxCaseSensitive->isChecked();
    bool found = false;
    if (list_)
        found = searchList(what, caseSensitive);
    else if (edit_)
        found = searchEdit(what, caseSensitive);
    else
        return;
    if (!found) boxes_.show(this, MessageKind::Warning, QStringLiteral("Text not found!"));
}

bool TFormTextSearch::searchList(const std::string& what, bool caseSensitive)
{
    const QAbstractItemModel* model = list_->model();
    if (model == nullptr) return false;
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(model->rowCount()));
    for (int row = 0; row < model->rowCount(); ++row)
        lines.push_back(toGame(model->index(row, 0).data().toString()));
    const std::optional<int> line = search_.nextLine(lines, what, caseSensitive);
    if (!line) return false;
    list_->setCurrentIndex(model->index(*line, 0));
    list_->scrollTo(model->index(topLineFor(*line), 0), QAbstractItemView::PositionAtTop);
    return true;
}

bool TFormTextSearch::searchEdit(const std::string& what, bool caseSensitive)
{
    // The plain text has one character per position of the document (LF between the lines).
    const std::optional<TextSearch::Match> match = search_.nextMatch(toGame(edit_->toPlainText()), what, caseSensitive);
    if (!match) return false;
    QTextCursor cursor = edit_->textCursor();
    cursor.setPosition(match->start);
    cursor.setPosition(match->start + match->length, QTextCursor::KeepAnchor);
    edit_->setTextCursor(cursor);
    edit_->ensureCursorVisible();
    return true;
}

} // namespace orrery
