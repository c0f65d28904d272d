#pragma once

// The configuration store: named configurations in the per-user settings store, under
// "Configurations/<name>", one value per setting under the names of Configuration.

#include "configuration.h"
#include "session.h"

#include <functional>
#include <string>
#include <vector>

class QSettings;

namespace orrery {

class TORRegistry {
public:
    using MessageFn = std::function<bool(MessageKind, const std::string&)>;

    // settings: the program's per-user store (organization "Orrery"), or a file in tests.
    TORRegistry(QSettings& settings, MessageFn messages);

    static constexpr const char* standardName = "Standard";

    // Writes every value of the configuration under the name. False (with the message shown)
    // when the store could not be written or the name is not allowed.
    bool saveConfiguration(const std::string& name, const Configuration& values);

    enum class LoadResult { Loaded, NoStandard, Failed };
    // Reads the configuration of that name (empty: "Standard") into values, in the order the
    // program applies them; values missing from the store keep their current value. keysRead
    // receives the names that were read, in that order. NoStandard: the standard configuration
    // does not exist (the program then shows the "No configuration" window).
    LoadResult loadConfiguration(const std::string& name, Configuration& values,
                                 std::vector<std::string>* keysRead = nullptr);

    bool deleteConfiguration(const std::string& name);
    // Names of all stored configurations, in the store's order.
    std::vector<std::string> listConfigurations();

    // A configuration name may not nest keys: no "/" and no "\".
    static bool isAllowedName(const std::string& name);
    static const char* const nameNotAllowed;

private:
    // The lines a failed write of the store adds to its message, naming the settings file.
    std::string storeNotWritten() const;
    // Writes the store to its file; false (the file as it was) when it could not be written whole.
    bool syncStore();
    bool storeReadsBack() const;

    QSettings& settings_;
    MessageFn messages_;
};

} // namespace orrery
