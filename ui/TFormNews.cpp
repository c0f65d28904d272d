#include "TFormNews.h"

#include "TFormMain.h"
#include "TStringGridOR.h"
#include "fileio.h"
#include "mapinteraction.h"
#include "messages.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace orrery {

namespace {

QPlainTextEdit* textPage(const QString& name, const QFont& font)
{
    auto* memo = new QPlainTextEdit;
    memo->setObjectName(name);
    memo->setReadOnly(true);
    memo->setFont(font);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return memo;
}

QString joined(const std::vector<std::string>& lines)
{
    QString text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += QLatin1Char('\n');
        text += fromGame(lines[i]);
    }
    return text;
}

TStringGridOR* newsGrid(const QString& name, NewsGrid kind)
{
    const NewsGridLayout& layout = newsGridLayout(kind);
    auto* grid = new TStringGridOR;
    grid->setObjectName(name);
    grid->setColumnCount(static_cast<int>(layout.headings.size()));
    grid->setRowHeights(18);
    grid->setRowSelect(true);
    grid->setDefaultColumnWidth(layout.defaultWidth);
    for (std::size_t c = 0; c < layout.widths.size(); ++c)
        if (layout.widths[c] > 0) grid->setColumnWidth(static_cast<int>(c), layout.widths[c]);
    return grid;
}

// The grid's cells, and every column at least as wide as its heading and its texts (the
// designed widths are the least): figures must not be cut.
void fillGrid(TStringGridOR* grid, NewsGrid kind, const StringGridModel& model)
{
    grid->clearSelection();
    grid->editCells([&model](StringGridModel& cells) { cells = model; });
    const NewsGridLayout& layout = newsGridLayout(kind);
    for (int c = 0; c < grid->columnCount(); ++c) {
        const std::size_t i = static_cast<std::size_t>(c);
        const int designed = i < layout.widths.size() && layout.widths[i] > 0 ? layout.widths[i] : layout.defaultWidth;
        grid->resizeColumnToContents(c);
        grid->setColumnWidth(c, std::max(designed, grid->columnWidth(c)));
    }
}

} // namespace

TFormNews::TFormNews(TFormMain& main) : QWidget(&main, Qt::Window | Qt::WindowStaysOnTopHint), main_(main)
{
    setObjectName(QStringLiteral("FormNews"));
    setWindowTitle(QStringLiteral("News"));
    resize(760, 480);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);

    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(PageControl);
    const auto& captions = newsPageCaptions();
    for (int p = 0; p < newsPageCount; ++p) {
        pages_[static_cast<std::size_t>(p)] = new QWidget;
        PageControl->addTab(pages_[static_cast<std::size_t>(p)], QString::fromLatin1(captions[static_cast<std::size_t>(p)]));
    }
    auto pageLayout = [this](NewsPage p) {
        auto* l = new QVBoxLayout(page(p));
        l->setContentsMargins(4, 4, 4, 4);
        return l;
    };

    MemoGlobal = textPage(QStringLiteral("MemoGlobal"), fixed);
    pageLayout(npGlobalMessages)->addWidget(MemoGlobal);
    MemoPersonal = textPage(QStringLiteral("MemoPersonal"), fixed);
    pageLayout(npPersonalMessages)->addWidget(MemoPersonal);
    MemoFleets = textPage(QStringLiteral("MemoFleets"), fixed);
    pageLayout(npFleets)->addWidget(MemoFleets);

    // Battles: the detail slider and the drop-down above the list.
    QVBoxLayout* battles = pageLayout(npBattles);
    auto* battleBar = new QHBoxLayout;
    battleBar->addWidget(new QLabel(QStringLiteral("Detail level")));
    TrackBarDetail = new QSlider(Qt::Horizontal);
    TrackBarDetail->setObjectName(QStringLiteral("TrackBarDetail"));
    TrackBarDetail->setRange(0, 2);
    TrackBarDetail->setPageStep(1);
    TrackBarDetail->setTickPosition(QSlider::TicksBelow);
    TrackBarDetail->setFixedWidth(80);
    battleBar->addWidget(TrackBarDetail);
    battleBar->addSpacing(24);
    battleBar->addWidget(new QLabel(QStringLiteral("View battle at planet:")));
    ComboBoxBattle = new QComboBox;
    ComboBoxBattle->setObjectName(QStringLiteral("ComboBoxBattle"));
    ComboBoxBattle->setMinimumWidth(140);
    battleBar->addWidget(ComboBoxBattle);
    battleBar->addStretch();
    battles->addLayout(battleBar);
    ListBoxBattles = new QListWidget;
    ListBoxBattles->setObjectName(QStringLiteral("ListBoxBattles"));
    ListBoxBattles->setFont(fixed);
    battles->addWidget(ListBoxBattles);
    connect(TrackBarDetail, &QSlider::valueChanged, this, [this] {
        ComboBoxBattle->setCurrentIndex(-1);
        fillBattles();
    });
    connect(ListBoxBattles, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { battleClicked(ListBoxBattles->row(item)); });
    connect(ComboBoxBattle, &QComboBox::activated, this, &TFormNews::battlePlanetChosen);

    QVBoxLayout* bombings = pageLayout(npBombings);
    LabelBombings = new QLabel;
    LabelBombings->setObjectName(QStringLiteral("LabelBombings"));
    bombings->addWidget(LabelBombings);
    StringGridBombings = newsGrid(QStringLiteral("StringGridBombings"), NewsGrid::Bombings);
    bombings->addWidget(StringGridBombings);

    StringGridIncoming = newsGrid(QStringLiteral("StringGridIncoming"), NewsGrid::IncomingGroups);
    pageLayout(npIncomingGroups)->addWidget(StringGridIncoming);

    // Groups: the race and the kind of groups above the grid.
    QVBoxLayout* groups = pageLayout(npGroups);
    auto* groupBar = new QHBoxLayout;
    groupBar->addWidget(new QLabel(QStringLiteral("Race:")));
    ComboBoxRace = new QComboBox;
    ComboBoxRace->setObjectName(QStringLiteral("ComboBoxRace"));
    ComboBoxRace->setMinimumWidth(140);
    groupBar->addWidget(ComboBoxRace);
    auto* kinds = new QGroupBox(QStringLiteral("What groups to view?"));
    auto* kindLayout = new QHBoxLayout(kinds);
    auto* kindGroup = new QButtonGroup(this);
    RadioButtonAll = new QRadioButton(QStringLiteral("all"));
    RadioButtonMilitary = new QRadioButton(QStringLiteral("military"));
    RadioButtonTransport = new QRadioButton(QStringLiteral("transport"));
    for (QRadioButton* b : {RadioButtonAll, RadioButtonMilitary, RadioButtonTransport}) {
        kindLayout->addWidget(b);
        kindGroup->addButton(b);
        connect(b, &QRadioButton::clicked, this, &TFormNews::fillGroups);
    }
    RadioButtonAll->setObjectName(QStringLiteral("RadioButtonAll"));
    RadioButtonMilitary->setObjectName(QStringLiteral("RadioButtonMilitary"));
    RadioButtonTransport->setObjectName(QStringLiteral("RadioButtonTransport"));
    RadioButtonAll->setChecked(true);
    groupBar->addWidget(kinds);
    groupBar->addStretch();
    groups->addLayout(groupBar);
    StringGridGroups = newsGrid(QStringLiteral("StringGridGroups"), NewsGrid::Groups);
    groups->addWidget(StringGridGroups);
    connect(ComboBoxRace, &QComboBox::activated, this, &TFormNews::fillGroups);

    StringGridStockpiles = newsGrid(QStringLiteral("StringGridStockpiles"), NewsGrid::Stockpiles);
    pageLayout(npStockpiles)->addWidget(StringGridStockpiles);

    QVBoxLayout* report = pageLayout(npReport);
    MemoReport = textPage(QStringLiteral("MemoReport"), fixed);
    report->addWidget(MemoReport);
    auto* reportBar = new QHBoxLayout;
    ButtonTextSearch = new QPushButton(QStringLiteral("Text search ..."));
    ButtonTextSearch->setObjectName(QStringLiteral("ButtonTextSearch"));
    ButtonTextSearch->setEnabled(false);
    reportBar->addWidget(ButtonTextSearch);
    reportBar->addStretch();
    report->addLayout(reportBar);
    connect(ButtonTextSearch, &QPushButton::clicked, this, [this] {
        if (openTextSearch) openTextSearch(MemoReport);
    });

    connect(StringGridBombings, &TStringGridOR::cellClicked, this,
            [this](int, int row) { gridClicked(StringGridBombings, NewsGrid::Bombings, row); });
    connect(StringGridStockpiles, &TStringGridOR::cellClicked, this,
            [this](int, int row) { gridClicked(StringGridStockpiles, NewsGrid::Stockpiles, row); });
    connect(StringGridGroups, &TStringGridOR::cellClicked, this,
            [this](int, int row) { gridClicked(StringGridGroups, NewsGrid::Groups, row); });
    connect(StringGridIncoming, &TStringGridOR::cellClicked, this, [this](int, int row) { incomingClicked(row); });
}

void TFormNews::FormShow()
{
    const Game& game = main_.session().game();
    // A report that cannot be read leaves the text pages empty; the reader has told the player.
    const Result<std::string> report = readFile(game.reportFile(game.currentturn));
    const NewsContent news = buildNews(game, report ? std::string_view(*report) : std::string_view(),
                                       TrackBarDetail->value(), filter());

    setUpdatesEnabled(false);
    MemoGlobal->setPlainText(joined(news.text.globalMessages));
    MemoPersonal->setPlainText(joined(news.text.personalMessages));
    MemoFleets->setPlainText(joined(news.text.fleets));
    MemoReport->setPlainText(joined(news.text.report));
    ButtonTextSearch->setEnabled(static_cast<bool>(openTextSearch));

    ComboBoxBattle->clear();
    for (const std::string& planet : news.battlePlanets) ComboBoxBattle->addItem(fromGame(planet));
    ComboBoxBattle->setCurrentIndex(-1);
    battles_ = news.battles;
    ListBoxBattles->clear();
    for (const BattleLine& line : battles_) ListBoxBattles->addItem(fromGame(line.text));

    LabelBombings->setText(fromGame(news.bombingsLabel));
    fillGrid(StringGridBombings, NewsGrid::Bombings, news.bombings);
    fillGrid(StringGridIncoming, NewsGrid::IncomingGroups, news.incoming);
    fillGrid(StringGridStockpiles, NewsGrid::Stockpiles, news.stockpiles);
    ComboBoxRace->clear();
    for (const std::string& race : news.races) ComboBoxRace->addItem(fromGame(race));
    ComboBoxRace->setCurrentIndex(news.race);
    fillGrid(StringGridGroups, NewsGrid::Groups, news.groups);

    for (int p = 0; p < newsPageCount; ++p) PageControl->setTabVisible(p, news.visible[static_cast<std::size_t>(p)]);
    if (!PageControl->isTabVisible(PageControl->currentIndex())) PageControl->setCurrentIndex(npReport);
    setUpdatesEnabled(true);
}

bool TFormNews::showPage(NewsPage p)
{
    if (!PageControl->isTabVisible(p)) return false;
    PageControl->setCurrentIndex(p);
    return true;
}

bool TFormNews::pageVisible(NewsPage p) const { return PageControl->isTabVisible(p); }

GroupFilter TFormNews::filter() const
{
    if (RadioButtonMilitary->isChecked()) return GroupFilter::Military;
    if (RadioButtonTransport->isChecked()) return GroupFilter::Transport;
    return GroupFilter::All;
}

void TFormNews::fillBattles()
{
    battles_ = battleLines(main_.session().game(), TrackBarDetail->value());
    ListBoxBattles->clear();
    for (const BattleLine& line : battles_) ListBoxBattles->addItem(fromGame(line.text));
}

void TFormNews::fillGroups()
{
    const Game& game = main_.session().game();
    const QString race = ComboBoxRace->currentText();
    const GridRows rows = ComboBoxRace->currentIndex() < 0 ? GridRows{} : raceGroupRows(game, toGame(race), filter());
    fillGrid(StringGridGroups, NewsGrid::Groups, newsGridModel(NewsGrid::Groups, rows));
}

void TFormNews::battleClicked(int row)
{
    if (row < 0 || row >= static_cast<int>(battles_.size())) return;
    selectPlanet(battles_[static_cast<std::size_t>(row)].planet);
}

void TFormNews::battlePlanetChosen(int index)
{
    if (index < 0) return;
    const int row = battleLineOf(battles_, toGame(ComboBoxBattle->itemText(index)));
    if (row < 0) return;
    ListBoxBattles->setCurrentRow(row);
    ListBoxBattles->scrollToItem(ListBoxBattles->item(row));
    battleClicked(row);
}

void TFormNews::gridClicked(TStringGridOR* grid, NewsGrid kind, int row)
{
    const int column = newsGridLayout(kind).planetColumn;
    // An empty grid keeps one blank row, which selects nothing.
    const int filledColumn = kind == NewsGrid::Groups ? 1 : 0;
    if (grid->gridModel().cell(filledColumn, 1).empty()) return;
    selectPlanet(grid->gridModel().cell(column, row));
}

void TFormNews::incomingClicked(int row)
{
    const StringGridModel& cells = StringGridIncoming->gridModel();
    if (cells.cell(0, 1).empty()) return;
    std::vector<std::string> clicked;
    for (int c = 0; c < cells.columnCount(); ++c) clicked.push_back(cells.cell(c, row));
    const std::optional<IncomingPick> pick = pickIncoming(main_.session().game(), clicked);
    if (!pick) return;
    // The origin and the destination become the two selections, with the distance between them
    // drawn; the symbols' radii stay as they were.
    ViewState& view = main_.session().view();
    for (auto [target, source] : {std::pair{&view.firstselection, &pick->first}, std::pair{&view.secondselection, &pick->second}}) {
        target->x = source->x;
        target->y = source->y;
        target->ownercode = 0;
        target->name = source->name;
    }
    main_.toggleAction(tgDistance)->setChecked(true);
    main_.session().settings().toggles[tgDistance] = true;
    main_.CentreMapOn(pick->second.x, pick->second.y);
    if (const planetrecord* p = pick->destination) main_.ShowPlanetPanel(PanelShows::Planet, p, p->name.str(), p->x, p->y);
    if (main_.shipDesignRecompute) main_.shipDesignRecompute();
}

void TFormNews::selectPlanet(const std::string& label)
{
    const planetrecord* p = findPlanetNameFirst(main_.session().game().turn, label);
    if (label.empty() || !p) return;
    const double x = p->x, y = p->y;
    main_.SelectPlanet(fromGame(label));
    main_.CentreMapOn(x, y);
}

void TFormNews::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous()) return;
    FormShow();
    if (onShownChanged) onShownChanged(true);
}

void TFormNews::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted() && onShownChanged) onShownChanged(false);
}

} // namespace orrery
