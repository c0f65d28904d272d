// Feeds arbitrary bytes to the configuration store as a settings file (the form the store takes
// on disk) and reads every configuration in it. What was read must survive being written and read
// again: a second round trip gives the same stored values as the first.

#include "configstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>

#include <cstddef>
#include <cstdint>
#include <string>

using namespace orrery;

namespace {

bool silent(MessageKind, const std::string&) { return false; }

QString scratch(const char* name)
{
    return QDir::tempPath() + QStringLiteral("/orrery-fuzz-config-%1-").arg(QCoreApplication::applicationPid()) +
           QString::fromLatin1(name);
}

// Writes the configuration into a fresh settings file and returns every stored value.
QVariantMap storedValues(const QString& file, const std::string& name, const Configuration& values)
{
    QFile::remove(file);
    QSettings out(file, QSettings::IniFormat);
    TORRegistry store(out, silent);
    if (!store.saveConfiguration(name, values)) return {};
    QVariantMap all;
    for (const QString& key : out.allKeys()) all.insert(key, out.value(key));
    return all;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static int argc = 1;
    static char arg0[] = "fuzz_config";
    static char* argv[] = {arg0, nullptr};
    static QCoreApplication app(argc, argv);

    const QString input = scratch("in.ini");
    {
        QFile file(input);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    QSettings settings(input, QSettings::IniFormat);
    TORRegistry store(settings, silent);
    for (const std::string& name : store.listConfigurations()) {
        Configuration values;
        std::vector<std::string> keys;
        if (store.loadConfiguration(name, values, &keys) != TORRegistry::LoadResult::Loaded) continue;
        if (!TORRegistry::isAllowedName(name)) continue;
        const QString first = scratch("first.ini");
        const QVariantMap once = storedValues(first, name, values);
        QSettings back(first, QSettings::IniFormat);
        Configuration again;
        if (TORRegistry(back, silent).loadConfiguration(name, again) != TORRegistry::LoadResult::Loaded) __builtin_trap();
        if (storedValues(scratch("second.ini"), name, again) != once) __builtin_trap();
    }
    return 0;
}
