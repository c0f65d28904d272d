#include "moveeditor.h"

#include "fileio.h"
#include "gamedata.h"
#include "movechecker.h"
#include "ordereta.h"
#include "orderwords.h"
#include "textrules.h"

#include <algorithm>
#include <filesystem>

namespace orrery {

namespace {

using K = OrderKind;

bool sameGroupWithoutShips(const Order& added, const Order& old, std::size_t shipsArg)
{
    return added.arg(shipsArg).empty() && old.arg(shipsArg).empty() && added.arg(0) == old.arg(0);
}

bool isOneOf(OrderKind kind, std::initializer_list<OrderKind> kinds)
{
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

} // namespace

bool supersedes(const Order& added, const Order& old, MoveForm form)
{
    // An order for the group split off just before ("MAX") replaces nothing.
    if (upper(added.arg(0)) == "MAX") return false;
    const bool natural = form == MoveForm::Natural;
    const auto& a = added;
    const auto& o = old;
    switch (a.kind) {
    case K::Peace:
    case K::War:
    case K::Guard: return isOneOf(o.kind, {K::Peace, K::War, K::Guard}) && o.arg(0) == a.arg(0);
    case K::BreakCurrent:
    case K::BreakFleet:
        // In the natural display a group that leaves its fleet as a whole replaces every "Break
        // off group" line of the group.
        if (natural && (a.kind == K::BreakCurrent || a.arg(2).empty()))
            return (o.kind == K::BreakCurrent || (o.kind == K::BreakFleet && o.arg(2).empty())) &&
                   o.arg(0) == a.arg(0);
        return o.kind == K::BreakCurrent && o.arg(0) == a.arg(0);
    case K::RaceName: return o.kind == K::RaceName && (natural || o.arg(0) == a.arg(0));
    case K::Design:
    case K::CreateFleet:
    case K::GiveAddress:
    case K::MergeFleets:
    case K::EraseStatus:
    case K::RenamePlanet:
    case K::Production:
    case K::SendFleet:
    case K::InterceptFleet:
    case K::Claim: return o.kind == a.kind && o.arg(0) == a.arg(0);
    case K::EraseType:
    case K::EraseFleet: return isOneOf(o.kind, {K::EraseType, K::EraseFleet}) && o.arg(0) == a.arg(0);
    case K::RenameType:
    case K::RenameFleet: return isOneOf(o.kind, {K::RenameType, K::RenameFleet}) && o.arg(0) == a.arg(0);
    case K::Upgrade:
    case K::Unload:
    case K::Scrap: return o.kind == a.kind && sameGroupWithoutShips(a, o, 1);
    case K::InterceptGroup:
    case K::AddToFleet:
    case K::Load:
    case K::SendGroup: return o.kind == a.kind && sameGroupWithoutShips(a, o, 2);
    case K::Status: return o.kind == K::Status && o.arg(0) == a.arg(0) && o.arg(2) == a.arg(2);
    case K::MapArea: return o.kind == K::MapArea;
    case K::Option:
    case K::Forecast: return isOneOf(o.kind, {K::Option, K::Forecast}) && o.arg(0) == a.arg(0);
    case K::XCenter:
    case K::YCenter: return o.kind == a.kind && (natural || o.arg(0) == a.arg(0));
    case K::SetRoute:
    case K::DeleteRoute:
        if (natural && o.kind != a.kind) return false;
        return isOneOf(o.kind, {K::SetRoute, K::DeleteRoute}) && o.arg(0) == a.arg(0) && o.arg(1) == a.arg(1);
    case K::SetPassword:
    case K::Address: return o.kind == a.kind && (natural || o.arg(0) == a.arg(0));
    default: return false; // B with ships, F toggle, Q, Y without password
    }
}

std::string fileExistsQuestion() { return "File exists already!" + std::string(lineBreak) + "Do you want to overwrite?"; }

std::string saveAsNamesMessage()
{
    return "You have to enter text in the fields" + std::string(lineBreak) +
           "\"Name of Galaxy game\" and \"Name of your race\"!";
}

MoveEditor::MoveEditor(const Game& game) : game_(game) { newMove(); }

OrderContext MoveEditor::context() const
{
    OrderContext c(game_);
    if (c.ownRace().empty()) c.setOwnRace(raceName_);
    return c;
}

Result<std::vector<std::string>> MoveEditor::rawLines() const
{
    return convertMove(lines_, moveForm_, MoveForm::Raw, context());
}

std::size_t MoveEditor::endIndex() const
{
    return !lines_.empty() && lines_.size() > 1 && isEndLine(lines_.back()) ? lines_.size() - 1 : lines_.size();
}

bool MoveEditor::isOrderLine(int index) const { return index >= 1 && static_cast<std::size_t>(index) < endIndex(); }

void MoveEditor::selectLine(int index)
{
    if (!isOrderLine(index)) {
        selected_ = -1;
        return;
    }
    const std::vector<int> blocks = messageBlocks(lines_, moveForm_);
    const int open = blocks[static_cast<std::size_t>(index)];
    selected_ = open >= 0 ? open : index;
}

void MoveEditor::rewriteHeader()
{
    const std::string header = headerLine(moveForm_, gameName_, raceName_, password_);
    if (lines_.empty())
        lines_.push_back(header);
    else
        lines_[0] = header;
}

void MoveEditor::setGameName(std::string_view name)
{
    gameName_ = name;
    rewriteHeader();
}

void MoveEditor::setRaceName(std::string_view name)
{
    raceName_ = name;
    rewriteHeader();
}

void MoveEditor::setPassword(std::string_view password)
{
    password_ = password;
    rewriteHeader();
}

void MoveEditor::newMove()
{
    fileName_.clear();
    selected_ = -1;
    lines_ = {headerLine(moveForm_, gameName_, raceName_, password_), endLine(moveForm_)};
}

Status MoveEditor::setMoveForm(MoveForm form)
{
    if (form == moveForm_) return {};
    // Converted into a copy: a line that cannot be converted leaves the move as it was.
    Result<std::vector<std::string>> converted = convertMove(lines_, moveForm_, form, context());
    if (!converted) return converted.error();
    lines_ = std::move(*converted);
    moveForm_ = form;
    return {};
}

std::vector<std::string> MoveEditor::commandTexts() const
{
    std::vector<std::string> texts;
    const CommandList list = commandsList();
    for (int number : shownCommands(game_.gametype, list)) texts.emplace_back(commandEntry(list, number)->text);
    return texts;
}

int MoveEditor::commandNumberAt(int displayIndex) const
{
    const auto shown = shownCommands(game_.gametype, commandsList());
    if (displayIndex < 0 || static_cast<std::size_t>(displayIndex) >= shown.size()) return -1;
    return shown[static_cast<std::size_t>(displayIndex)];
}

CommandRequest MoveEditor::addCommand(int displayIndex, InsertMode mode)
{
    CommandRequest request;
    const int number = commandNumberAt(displayIndex);
    if (number < 0) {
        request.message = msgSelectCommand;
        return request;
    }
    mode_ = mode;
    const CommandList list = commandsList();
    const CommandEntry* entry = commandEntry(list, number);
    request.opening = CommandOpening{entry->kind, list, number, entry->option ? entry->option : "", {}};
    switch (entry->kind) {
    case K::Quit:
    case K::DeletePassword:
    case K::ToggleReports:
        if (const Status built = buildOrderOfKind(entry->kind, {}); !built) {
            request.message = built.error().text();
        } else {
            request.action = CommandRequest::Action::Done;
        }
        break;
    case K::SetOptions: request.action = CommandRequest::Action::OpenOptions; break;
    default: request.action = CommandRequest::Action::OpenCommand; break;
    }
    return request;
}

CommandRequest MoveEditor::editSelected()
{
    CommandRequest request;
    if (!isOrderLine(selected_)) {
        request.message = msgSelectLineToEdit;
        return request;
    }
    const auto index = static_cast<std::size_t>(selected_);
    const std::vector<int> blocks = messageBlocks(lines_, moveForm_);
    CommandOpening& opening = request.opening;
    opening.list = commandsList();
    if (blocks[index] == static_cast<int>(index)) {
        // A message block: recipients and text.
        const auto [first, last] = unitAt(index);
        std::vector<std::string> block(lines_.begin() + static_cast<long>(first),
                                       lines_.begin() + static_cast<long>(last) + 1);
        block.insert(block.begin(), lines_[0]);
        const std::vector<std::string> raw =
            convertMove(block, moveForm_, MoveForm::Raw, context(), true).valueOr({});
        std::string text;
        // An unclosed block (at the end of a move read without its closing line) is all text.
        const bool closed = raw.size() > 2 && !raw.back().empty() && raw.back().front() == '@';
        const std::size_t textEnd = closed ? raw.size() - 1 : raw.size();
        for (std::size_t i = 2; i < textEnd; ++i) {
            if (i > 2) text += lineBreak;
            text += raw[i];
        }
        request.action = CommandRequest::Action::OpenCommand;
        opening.kind = K::Message;
        opening.number = commandNumber(opening.list, K::Message);
        opening.start[0] = std::string(trimmed(std::string_view(raw[1]).substr(1)));
        opening.start[1] = text;
        mode_ = InsertMode::Replace;
        return request;
    }
    const Order order = parseOrder(lines_[index], moveForm_, context());
    if (order.kind == K::ToggleReports) {
        request.message = msgCannotEditToggle;
        return request;
    }
    const OrderForm* form = orderForm(order.kind, game_.gametype);
    if (!form) {
        request.message = msgCannotEdit;
        return request;
    }
    request.action = CommandRequest::Action::OpenCommand;
    opening.kind = order.kind;
    if (order.kind == K::Option) opening.option = std::string(order.arg(0));
    // The command list's entry of the line: its form's (a group leaving its fleet is entered in
    // the form of breaking off, an erased status in that of the status).
    opening.number = commandNumber(opening.list, form->kind, opening.option);
    opening.start = formFieldsOf(*form, order);
    mode_ = InsertMode::Replace;
    return request;
}

Status MoveEditor::BuildOrder(CommandList list, int number, const OrderFields& fields)
{
    const CommandEntry* entry = commandEntry(list, number);
    if (!entry) return {};
    return buildOrderOfKind(entry->kind, fields);
}

Status MoveEditor::buildOrderOfKind(OrderKind kind, const OrderFields& fields)
{
    // Orders without values.
    if (kind == K::Quit) return addOrder(Order{K::Quit, {context().ownRace()}});
    if (kind == K::DeletePassword || kind == K::ToggleReports) return addOrder(Order{kind, {}});
    const OrderForm* form = orderForm(kind, game_.gametype);
    if (!form) return {};
    if (form->shape == FormShape::Message) {
        if (trimmed(fields[0]).empty() && fields[1].empty()) return {};
        addMessage(fields[0], fields[1]);
        return {};
    }
    const Result<std::vector<Order>> orders = ordersFromForm(*form, fields);
    if (!orders) return orders.error();
    const InsertMode mode = mode_;
    for (std::size_t i = 0; i < orders->size(); ++i) {
        // A second order (the send after a load) goes below the first.
        if (i > 0) mode_ = InsertMode::Below;
        if (const Status added = addOrder((*orders)[i]); !added) {
            mode_ = mode;
            return added;
        }
    }
    mode_ = mode;
    return {};
}

Status MoveEditor::addOrder(const Order& order, bool windowWording)
{
    std::string line = orderLine(order, moveForm_, windowWording);
    if (line.empty()) return Failure(unrecognizedMessage(naturalOrderLine(order, windowWording)));
    insertLines({line}, &order);
    return {};
}

void MoveEditor::addMessage(std::string_view recipients, std::string_view text)
{
    const std::string to(trimmed(recipients));
    std::vector<std::string> block;
    const bool raw = moveForm_ == MoveForm::Raw;
    if (raw)
        block.push_back(to.empty() ? "@" : "@ " + to);
    else
        block.push_back(to.empty() ? "Message to all:" : "Message to " + to + ":");
    // The text's lines, however they were broken.
    std::size_t pos = 0;
    while (pos <= text.size() && !text.empty()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(pos, end - pos);
        block.push_back(raw ? std::string(line) : "   " + std::string(line));
        if (end >= text.size()) break;
        pos = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
        if (pos >= text.size()) break;
    }
    block.emplace_back(raw ? "@" : "End of message");
    insertLines(block, nullptr);
}

std::pair<std::size_t, std::size_t> MoveEditor::unitAt(std::size_t index) const
{
    const std::vector<int> blocks = messageBlocks(lines_, moveForm_);
    if (blocks[index] != static_cast<int>(index)) return {index, index};
    std::size_t last = index;
    while (last + 1 < lines_.size() && blocks[last + 1] == static_cast<int>(index)) ++last;
    return {index, last};
}

std::vector<std::size_t> MoveEditor::removeSupersededOrders(const Order& order)
{
    std::vector<std::size_t> removed;
    const std::vector<int> blocks = messageBlocks(lines_, moveForm_);
    const OrderContext ctx = context();
    std::vector<std::string> kept;
    kept.reserve(lines_.size());
    const std::size_t end = endIndex();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        // Lines inside message blocks, the header and the end line are never replaced.
        if (i >= 1 && i < end && blocks[i] < 0 && supersedes(order, parseOrder(lines_[i], moveForm_, ctx), moveForm_)) {
            removed.push_back(i);
            continue;
        }
        kept.push_back(std::move(lines_[i]));
    }
    lines_ = std::move(kept);
    return removed;
}

void MoveEditor::insertLines(const std::vector<std::string>& block, const Order* superseding)
{
    const bool hadSelection = isOrderLine(selected_);
    std::size_t anchor = hadSelection ? static_cast<std::size_t>(selected_) : 0;
    std::size_t anchorLast = hadSelection ? unitAt(anchor).second : 0;
    bool anchorGone = false;

    if (hadSelection && mode_ == InsertMode::Replace) {
        // The edited line (or block) goes first, so that superseding can never take another
        // line in its place; the new line then stands where the edited one stood.
        lines_.erase(lines_.begin() + static_cast<long>(anchor), lines_.begin() + static_cast<long>(anchorLast) + 1);
        anchorGone = true;
    }
    if (superseding) {
        const std::vector<std::size_t> removed = removeSupersededOrders(*superseding);
        if (hadSelection) {
            // Lines removed above the anchor move it up; when the selected line itself was
            // superseded, the new line takes its place.
            const auto above = static_cast<std::size_t>(
                std::lower_bound(removed.begin(), removed.end(), anchor) - removed.begin());
            const bool selfRemoved = !anchorGone && above < removed.size() && removed[above] == anchor;
            anchor -= above;
            anchorLast -= above;
            if (selfRemoved) anchorGone = true;
        }
    }
    std::size_t pos = endIndex();
    if (hadSelection) {
        if (anchorGone)
            pos = std::min(anchor, endIndex());
        else if (mode_ == InsertMode::Below)
            pos = anchorLast + 1;
        else
            pos = anchor;
    }
    pos = std::max<std::size_t>(pos, 1);
    lines_.insert(lines_.begin() + static_cast<long>(std::min(pos, lines_.size())), block.begin(), block.end());
    selected_ = static_cast<int>(pos);
    // A new order and the orders after it may arrive at other times now.
    RecalculateEtas(pos);
}

void MoveEditor::InsertOrderLine(std::string_view text) { insertLines({std::string(text)}, nullptr); }

void MoveEditor::insertOptionLines(const optiontype& edited)
{
    const optiontype& current = game_.gameoptions;
    const bool raw = moveForm_ == MoveForm::Raw;
    auto optionLine = [raw](const std::string& option, bool on) {
        if (raw) return "O " + std::string(on ? "" : "no ") + option;
        return "Set option " + option + (on ? " on" : " off");
    };
    for (const OptionFlag& flag : optionFlags()) {
        const bool on = edited.*flag.member;
        const bool forecastTurn = flag.member == &optiontype::forecast && on && edited.forecastturn != 0 &&
                                  edited.forecastturn != current.forecastturn;
        if (on == current.*flag.member && !forecastTurn) continue;
        std::string line = optionLine(upper(flag.keyword), on);
        if (flag.member == &optiontype::forecast && edited.forecastturn != 0)
            line += (raw ? " " : " turn number ") + std::to_string(edited.forecastturn);
        InsertOrderLine(line);
    }
    if (edited.xcenter != current.xcenter)
        InsertOrderLine((raw ? "O XCENTER " : "Set option XCENTER ") + formatFixed(edited.xcenter, 5, 2));
    if (edited.ycenter != current.ycenter)
        InsertOrderLine((raw ? "O YCENTER " : "Set option YCENTER ") + formatFixed(edited.ycenter, 5, 2));
}

Status MoveEditor::deleteSelected()
{
    if (!isOrderLine(selected_)) return Failure(std::string(msgSelectLine));
    const auto [first, last] = unitAt(static_cast<std::size_t>(selected_));
    lines_.erase(lines_.begin() + static_cast<long>(first), lines_.begin() + static_cast<long>(last) + 1);
    selected_ = -1;
    recalculateIfAuto(first);
    return {};
}

Status MoveEditor::moveSelectedUp()
{
    if (!isOrderLine(selected_)) return Failure(std::string(msgSelectLine));
    const auto [first, last] = unitAt(static_cast<std::size_t>(selected_));
    const auto begin = lines_.begin();
    std::size_t newFirst;
    if (first == 1) {
        // The first order moved up goes to the end, just above the end line.
        std::vector<std::string> unit(begin + static_cast<long>(first), begin + static_cast<long>(last) + 1);
        lines_.erase(begin + static_cast<long>(first), begin + static_cast<long>(last) + 1);
        newFirst = endIndex();
        lines_.insert(lines_.begin() + static_cast<long>(newFirst), unit.begin(), unit.end());
    } else {
        // The neighbour above, a whole message block counting as one line.
        const std::vector<int> blocks = messageBlocks(lines_, moveForm_);
        const int open = blocks[first - 1];
        newFirst = open >= 1 ? static_cast<std::size_t>(open) : first - 1;
        std::rotate(begin + static_cast<long>(newFirst), begin + static_cast<long>(first),
                    begin + static_cast<long>(last) + 1);
    }
    selected_ = static_cast<int>(newFirst);
    RecalculateEtas(std::min(first, newFirst));
    return {};
}

Status MoveEditor::moveSelectedDown()
{
    if (!isOrderLine(selected_)) return Failure(std::string(msgSelectLine));
    const auto [first, last] = unitAt(static_cast<std::size_t>(selected_));
    const auto begin = lines_.begin();
    std::size_t newFirst;
    if (last + 1 >= endIndex()) {
        // The last order moved down goes to the top, just below the header.
        std::vector<std::string> unit(begin + static_cast<long>(first), begin + static_cast<long>(last) + 1);
        lines_.erase(begin + static_cast<long>(first), begin + static_cast<long>(last) + 1);
        newFirst = 1;
        lines_.insert(lines_.begin() + 1, unit.begin(), unit.end());
    } else {
        const std::size_t neighbourLast = unitAt(last + 1).second;
        std::rotate(begin + static_cast<long>(first), begin + static_cast<long>(last) + 1,
                    begin + static_cast<long>(neighbourLast) + 1);
        newFirst = first + (neighbourLast - last);
    }
    selected_ = static_cast<int>(newFirst);
    RecalculateEtas(std::min(first, newFirst));
    return {};
}

void MoveEditor::setAutoEtas(bool on)
{
    autoEtas_ = on;
    if (on) RecalculateEtas(1);
}

void MoveEditor::RecalculateEtas(std::size_t first) { orrery::RecalculateEtas(lines_, moveForm_, first, game_); }

std::string MoveEditor::OrderEta(std::size_t index) const { return orrery::OrderEta(lines_, moveForm_, index, game_); }

void MoveEditor::recalculateIfAuto(std::size_t first)
{
    if (autoEtas_) RecalculateEtas(first);
}

Status MoveEditor::readInto(std::string_view text)
{
    // Read into a copy: a text that is no move, or that has a line neither form recognises,
    // leaves the move as it was.
    Result<RawMove> read = readMove(text, moveForm_, context());
    if (!read) return read.error();
    lines_ = std::move(read->lines);
    gameName_ = std::move(read->game);
    raceName_ = std::move(read->race);
    password_ = std::move(read->password);
    selected_ = -1;
    RecalculateEtas(1);
    return {};
}

Status MoveEditor::readText(std::string_view text) { return readInto(text); }

Status MoveEditor::getFromClipboard(const std::optional<std::string>& plainText)
{
    if (!plainText) return Failure(std::string(msgNoPlainText));
    return readInto(*plainText);
}

Status MoveEditor::loadFile(const std::string& path)
{
    const Result<std::string> content = readFile(path);
    if (!content) return content.error();
    if (Status read = readInto(*content); !read) return Failure(read.error().message, path, read.error().line);
    fileName_ = path;
    initialDir_ = std::filesystem::path(path).parent_path().string();
    return {};
}

Status MoveEditor::loadMostRecentFile()
{
    namespace fs = std::filesystem;
    std::error_code ec;
    std::string newest;
    fs::file_time_type newestTime{};
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(initialDir_.empty() ? "." : initialDir_, ec))
        if (entry.is_regular_file(ec)) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        const auto time = fs::last_write_time(file, ec);
        if (ec) continue;
        if (newest.empty() || time > newestTime) {
            newest = file.string();
            newestTime = time;
        }
    }
    if (newest.empty()) return Failure(std::string(msgNoFileFound));
    return loadFile(newest);
}

Status MoveEditor::reload()
{
    if (fileName_.empty()) return {};
    return loadFile(fileName_);
}

Status MoveEditor::save()
{
    if (fileName_.empty()) return Failure("The move has no file name yet.");
    if (!autoEtas_) RecalculateEtas(1);
    const Result<std::vector<std::string>> raw = rawLines();
    if (!raw) return raw.error();
    return writeFileAtomic(fileName_, moveFileText(*raw));
}

Status MoveEditor::saveAs(const std::string& path)
{
    if (trimmed(gameName_).empty() || trimmed(raceName_).empty()) return Failure(saveAsNamesMessage());
    const std::string previous = fileName_;
    fileName_ = path;
    if (Status saved = save(); !saved) {
        fileName_ = previous;
        return saved;
    }
    initialDir_ = std::filesystem::path(path).parent_path().string();
    return {};
}

Result<std::string> MoveEditor::clipboardText()
{
    if (!autoEtas_) RecalculateEtas(1);
    const Result<std::vector<std::string>> raw = rawLines();
    if (!raw) return raw.error();
    return moveClipboardText(*raw);
}

std::string MoveEditor::checkCurrentMove()
{
    if (!autoEtas_) RecalculateEtas(1);
    const std::vector<std::string> raw = convertMove(lines_, moveForm_, MoveForm::Raw, context(), true).valueOr({});
    return CheckMove(raw, lines_, game_);
}

std::string MoveEditor::moveLabel() const
{
    if (fileName_.empty()) return "Your Move:";
    return "Your Move (" + std::filesystem::path(fileName_).filename().string() + "):";
}

} // namespace orrery
