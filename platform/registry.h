// The class registry: a human-readable text file that maps class identifiers and ProgIDs
// (LIBRARY.CLASS) to the module that serves them, and library identifiers to their type
// library.
//
//   # comment
//   class {CLSID} qdProgressControls.qdProgressPie /abs/path/qdProgressControls.so
//   typelib {LIBID} 9.0 qdProgressControls /abs/path/qdProgressControls.so
//
// The path is the rest of the line and may hold spaces. Readers need no lock: every update
// takes an exclusive lock on "<registry>.lock", reads the current file, writes a temporary file
// in the same folder, syncs it and renames it over the registry, so a reader sees either the old
// or the new file and concurrent writers never lose each other's entries.
#pragma once

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com.h"

namespace qd {

// A registry that cannot be read, parsed or written. The message names the file (and line).
class RegistryError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct RegistryEntry {
    enum class Kind { Class, TypeLib };
    Kind kind = Kind::Class;
    Guid guid{};                      // class identifier, or library identifier
    std::string name;                 // ProgID (LIBRARY.CLASS), or library name
    std::uint16_t major_version = 0;  // type libraries only
    std::uint16_t minor_version = 0;
    std::string path;  // absolute path of the module

    friend bool operator==(const RegistryEntry&, const RegistryEntry&) = default;
};

// The registry's location: $QD_REGISTRY, else $XDG_CONFIG_HOME/qd/registry, else
// $HOME/.config/qd/registry.
std::string registry_default_path();

// Parses registry text; `file` names the source in error messages. Throws RegistryError for any
// line that is not a well-formed entry, and for a class identifier or ProgID listed twice.
std::vector<RegistryEntry> parse_registry(std::string_view text, const std::string& file);
// The file form of `entries`, which parse_registry reads back unchanged.
std::string format_registry(const std::vector<RegistryEntry>& entries);

class Registry {
  public:
    // The registry at `path`; the default location when empty.
    explicit Registry(std::string path = {});

    const std::string& path() const { return path_; }

    // Every entry in file order; empty when the file does not exist yet.
    std::vector<RegistryEntry> read() const;

    // Applies `edit` to the current entries and replaces the file atomically, all under the
    // exclusive lock. Creates the folder when missing. On failure the old file stays intact.
    void update(const std::function<void(std::vector<RegistryEntry>&)>& edit) const;

    std::optional<RegistryEntry> find_class(std::string_view progid) const;
    std::optional<RegistryEntry> find_class(const Guid& clsid) const;
    std::optional<RegistryEntry> find_type_library(const Guid& libid) const;

  private:
    std::string path_;
};

}  // namespace qd
