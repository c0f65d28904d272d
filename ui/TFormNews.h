#pragma once

// The news window: what happened in the shown turn, one page per topic (messages, battles,
// bombings, incoming groups, the groups of any race, fleets, stockpiles and the whole report).
// Its contents come from buildNews (views/news.h); a click on a row selects and centres the
// planet concerned on the main window's map. Every show rebuilds all pages.

#include "news.h"

#include <QWidget>

#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;

namespace orrery {

class TFormMain;
class TStringGridOR;

class TFormNews : public QWidget {
    Q_OBJECT
public:
    explicit TFormNews(TFormMain& main);

    // Rebuilds every page from the shown turn and its report.
    void FormShow();
    // Opens the text search on the report page; the "Text search ..." button stays disabled
    // while it is unset.
    std::function<void(QPlainTextEdit*)> openTextSearch;
    // Told when the window is shown and when it is closed.
    std::function<void(bool shown)> onShownChanged;

    // Shows a page (when it is visible) as the player's click on its tab would.
    bool showPage(NewsPage page);
    bool pageVisible(NewsPage page) const;

    QTabWidget* PageControl = nullptr;
    QPlainTextEdit* MemoGlobal = nullptr;
    QPlainTextEdit* MemoPersonal = nullptr;
    QPlainTextEdit* MemoFleets = nullptr;
    QPlainTextEdit* MemoReport = nullptr;
    QPushButton* ButtonTextSearch = nullptr;
    QSlider* TrackBarDetail = nullptr;
    QComboBox* ComboBoxBattle = nullptr;
    QListWidget* ListBoxBattles = nullptr;
    QLabel* LabelBombings = nullptr;
    TStringGridOR* StringGridBombings = nullptr;
    TStringGridOR* StringGridIncoming = nullptr;
    TStringGridOR* StringGridStockpiles = nullptr;
    TStringGridOR* StringGridGroups = nullptr;
    QComboBox* ComboBoxRace = nullptr;
    QRadioButton* RadioButtonAll = nullptr;
    QRadioButton* RadioButtonMilitary = nullptr;
    QRadioButton* RadioButtonTransport = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* page(NewsPage page) const { return pages_[static_cast<std::size_t>(page)]; }
    void fillBattles();
    void fillGroups();
    void battleClicked(int row);
    void battlePlanetChosen(int index);
    void gridClicked(TStringGridOR* grid, NewsGrid kind, int row);
    void incomingClicked(int row);
    // Selects the planet of that label on the map and centres the map on it.
    void selectPlanet(const std::string& label);
    GroupFilter filter() const;

    TFormMain& main_;
    std::array<QWidget*, newsPageCount> pages_{};
    std::vector<BattleLine> battles_;
};

} // namespace orrery
