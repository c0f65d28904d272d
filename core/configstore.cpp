#include "configstore.h"

#include "fileio.h"

#include <QDir>
#include <QSettings>
#include <QString>
#include <QTemporaryFile>

#include <filesystem>

namespace orrery {

namespace {

const QString root = QStringLiteral("Configurations");
const std::string keyPath = "HKEY_CURRENT_USER\\Software\\Orrery\\Configurations\\";
constexpr int versionNumber = 200;

QString path(const std::string& name) { return QString::fromLocal8Bit(name.data(), static_cast<qsizetype>(name.size())); }
QString latin1(const std::string& text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }
std::string fromLatin1(const QString& text) { return text.toLatin1().toStdString(); }
std::string fromPath(const QString& text) { return text.toLocal8Bit().toStdString(); }

enum class Kind { Integer, Flag, Path, Text, Password };

struct Value {
    const char* name;
    Kind kind;
    std::int32_t Configuration::*integer = nullptr;
    bool Configuration::*flag = nullptr;
    std::string Configuration::*text = nullptr;
};

// Every stored value with its member; the toggles are handled by their table.
const std::vector<Value>& values()
{
    using C = Configuration;
    static const std::vector<Value> table = {
        {"includeMapPosition", Kind::Flag, nullptr, &C::includeMapPosition},
        {"Zoom", Kind::Integer, &C::zoom},
        {"WindowWidth", Kind::Integer, &C::windowWidth},
        {"WindowHeight", Kind::Integer, &C::windowHeight},
        {"WindowPosLeft", Kind::Integer, &C::windowPosLeft},
        {"WindowPosTop", Kind::Integer, &C::windowPosTop},
        {"ScrollPosX", Kind::Integer, &C::scrollPosX},
        {"ScrollPosY", Kind::Integer, &C::scrollPosY},
        {"WindowState", Kind::Integer, &C::windowState},
        {"GameType", Kind::Integer, &C::gameType},
        {"PlanetsPerPlayer", Kind::Integer, &C::planetsPerPlayer},
        {"TurnDirectory", Kind::Path, nullptr, nullptr, &C::turnDirectory},
        {"ReportName", Kind::Path, nullptr, nullptr, &C::reportName},
        {"ReportExt", Kind::Path, nullptr, nullptr, &C::reportExt},
        {"MoveEditorInitialDir", Kind::Path, nullptr, nullptr, &C::moveEditorInitialDir},
        {"MoveEditorGameName", Kind::Text, nullptr, nullptr, &C::moveEditorGameName},
        {"MoveEditorRaceName", Kind::Text, nullptr, nullptr, &C::moveEditorRaceName},
        {"MoveEditorPassword", Kind::Password, nullptr, nullptr, &C::moveEditorPassword},
        {"TextEditorInitialDir", Kind::Path, nullptr, nullptr, &C::textEditorInitialDir},
        {"NumOfCircles", Kind::Integer, &C::numOfCircles},
        {"RangeInterval", Kind::Integer, &C::rangeInterval},
        {"FilmDelay", Kind::Integer, &C::filmDelay},
        {"ShowMousePos", Kind::Flag, nullptr, &C::showMousePos},
        {"ShowButtonBar", Kind::Flag, nullptr, &C::showButtonBar},
    };
    return table;
}

const Value* findValue(const std::string& name)
{
    for (const Value& v : values())
        if (name == v.name) return &v;
    return nullptr;
}

QVariant stored(const Configuration& c, const std::string& name)
{
    if (name == "Versionnr.") return versionNumber;
    if (const int t = toggleIndex(name); t >= 0) return c.toggles[static_cast<std::size_t>(t)] ? 1 : 0;
    const Value* v = findValue(name);
    if (!v) return {};
    switch (v->kind) {
    case Kind::Integer: return c.*(v->integer);
    case Kind::Flag: return c.*(v->flag) ? 1 : 0;
    case Kind::Path: return path(c.*(v->text));
    case Kind::Text: return latin1(c.*(v->text));
    case Kind::Password: return QString::fromStdU16String(scramblePassword(c.*(v->text)));
    }
    return {};
}

void apply(Configuration& c, const std::string& name, const QVariant& value)
{
    if (const int t = toggleIndex(name); t >= 0) {
        c.toggles[static_cast<std::size_t>(t)] = value.toInt() != 0;
        return;
    }
    const Value* v = findValue(name);
    if (!v) return;
    switch (v->kind) {
    case Kind::Integer: c.*(v->integer) = value.toInt(); break;
    case Kind::Flag: c.*(v->flag) = value.toInt() != 0; break;
    case Kind::Path: c.*(v->text) = fromPath(value.toString()); break;
    case Kind::Text: c.*(v->text) = fromLatin1(value.toString()); break;
    case Kind::Password: c.*(v->text) = unscramblePassword(value.toString().toStdU16String()); break;
    }
}

} // namespace

TORRegistry::TORRegistry(QSettings& settings, MessageFn messages) : settings_(settings), messages_(std::move(messages))
{
}

const char* const TORRegistry::nameNotAllowed = "The name of a configuration can't contain \"/\" or \"\\\".";

bool TORRegistry::isAllowedName(const std::string& name)
{
    // A zero byte would end the key early: the values would land beside the configurations.
    return !name.empty() && name.find_first_of(std::string_view("/\\\0", 3)) == std::string::npos;
}

bool TORRegistry::saveConfiguration(const std::string& name, const Configuration& values)
{
    const std::string failure = "Couldn't create registry key\r\n" + keyPath + name;
    if (!isAllowedName(name)) {
        messages_(MessageKind::Error, std::string(nameNotAllowed) + "\r\n" + failure);
        return false;
    }
    settings_.beginGroup(root + "/" + path(name));
    for (const std::string& key : configurationWriteOrder()) settings_.setValue(QString::fromStdString(key), stored(values, key));
    settings_.endGroup();
    if (!syncStore()) {
        messages_(MessageKind::Error, failure + storeNotWritten());
        return false;
    }
    return true;
}

bool TORRegistry::storeReadsBack() const
{
    // The file is read through a copy: a second store over the same file would share the first
    // one's memory instead of reading the file.
    const Result<std::string> written = readFile(fromPath(settings_.fileName()));
    if (!written) return false;
    QTemporaryFile copy(QDir::tempPath() + QStringLiteral("/orrery-settings-XXXXXX.ini"));
    if (!copy.open()) return false;
    const auto size = static_cast<qint64>(written->size());
    if (copy.write(written->data(), size) != size || !copy.flush()) return false;
    copy.close();
    QSettings check(copy.fileName(), settings_.format());
    const QStringList keys = settings_.allKeys();
    if (check.status() != QSettings::NoError || check.allKeys().size() != keys.size()) return false;
    for (const QString& key : keys)
        if (check.value(key).toString() != settings_.value(key).toString()) return false;
    return true;
}

bool TORRegistry::syncStore()
{
    namespace fs = std::filesystem;
    // A write that fails part-way (a full disk) can leave a shortened settings file behind while
    // the store reports no error. So the file is copied first, read back after the write, and
    // the copy is put back when the file does not hold everything.
    const std::string path = fromPath(settings_.fileName());
    const std::string kept = path + ".old";
    const bool existed = fileExists(path);
    if (existed) {
        const Result<std::string> old = readFile(path);
        if (!old || !writeFileAtomic(kept, *old)) return false;
    }
    // A store that failed once keeps reporting it: the write is checked by a fresh one over the
    // same file (it shares the pending changes).
    QSettings store(settings_.fileName(), settings_.format());
    store.sync();
    const bool whole = store.status() == QSettings::NoError && storeReadsBack();
    std::error_code ec;
    if (existed && !whole)
        fs::rename(kept, path, ec);
    else if (existed)
        fs::remove(kept, ec);
    return whole;
}

std::string TORRegistry::storeNotWritten() const
{
    // The store is written whole or not at all: what it held before is still there.
    return "\r\n\r\nThe settings file could not be written:\r\n" + fromPath(settings_.fileName());
}

TORRegistry::LoadResult TORRegistry::loadConfiguration(const std::string& requested, Configuration& values,
                                                       std::vector<std::string>* keysRead)
{
    const std::string name = requested.empty() ? standardName : requested;
    bool exists = false;
    if (isAllowedName(name)) {
        settings_.beginGroup(root);
        exists = settings_.childGroups().contains(path(name));
        settings_.endGroup();
    }
    if (!exists) {
        if (name == standardName) return LoadResult::NoStandard;
        messages_(MessageKind::Error, "Couldn't open key\r\n" + keyPath + name + "\r\n" + "from registry!" + "\r\n" +
                                          "Configuration not loaded.");
        return LoadResult::Failed;
    }
    settings_.beginGroup(root + "/" + path(name));
    auto read = [&](const std::string& key) {
        const QString k = QString::fromStdString(key);
        if (!settings_.contains(k)) return;
        apply(values, key, settings_.value(k));
        if (keysRead) keysRead->push_back(key);
    };
    // The placement values are read only when the configuration says to include them, so the
    // flag is read first (it stands in the middle of the order).
    bool include = values.includeMapPosition;
    if (settings_.contains(QStringLiteral("includeMapPosition")))
        include = settings_.value(QStringLiteral("includeMapPosition")).toInt() != 0;
    for (const std::string& key : configurationReadOrder(include)) read(key);
    settings_.endGroup();
    return LoadResult::Loaded;
}

bool TORRegistry::deleteConfiguration(const std::string& name)
{
    if (!settings_.childGroups().contains(root)) {
        messages_(MessageKind::Information, "No Configuration found in Windows registry!");
        return false;
    }
    settings_.beginGroup(root);
    const bool exists = isAllowedName(name) && settings_.childGroups().contains(path(name));
    if (exists) settings_.remove(path(name));
    settings_.endGroup();
    if (!syncStore()) {
        messages_(MessageKind::Error, "Couldn't delete registry key\r\n" + keyPath + name + storeNotWritten());
        return false;
    }
    return exists;
}

std::vector<std::string> TORRegistry::listConfigurations()
{
    std::vector<std::string> names;
    settings_.beginGroup(root);
    for (const QString& group : settings_.childGroups()) names.push_back(fromPath(group));
    settings_.endGroup();
    return names;
}

} // namespace orrery
