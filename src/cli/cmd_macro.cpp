// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ferroxctl macro list | export PATH FILE | import FILE [FOLDER] | export-set [PATH] FILE |
// import-set FILE [FOLDER]: the macro library as the macro manager shows it, and the exchange
// files it reads and writes. PATH names an item by the names from the top level down, joined
// by "/". Imports save the library file afterwards, as closing the manager does.

#include "base/text_file.h"
#include "cli/command_table.h"
#include "cli/data_load.h"
#include "cli/json_text.h"
#include "cli/window_guard.h"
#include "macros/macro_exchange.h"
#include "macros/macro_path.h"
#include "macros/macro_user_library.h"

#include <limits>
#include <optional>
#include <ostream>

namespace ferrox {
namespace {

constexpr const char* kUsage = "ferroxctl macro: expected list, export PATH FILE, import FILE "
                               "[FOLDER], export-set [PATH] FILE or import-set FILE [FOLDER]";

struct MacroCommand {
    CliContext& context;
    MacroLibrary& library = UserMacroLibrary();
    int status = kExitOk; // of a command that only reads, when all else goes well

    int Fail(const std::string& message) {
        context.err << "ferroxctl macro: " << message << "\n";
        return kExitFailure;
    }
    int Usage() {
        context.err << kUsage << "\n";
        return kExitUsage;
    }

    // Everything the window loads at start-up, the user's library among it. An import saves
    // the library, so it must not run over one that could not be read.
    bool Load(bool changing) {
        if (changing)
            return LoadToChange(context, "macro");
        status = LoadToRead(context, "macro");
        return true;
    }

    std::optional<MacroLocation> Resolve(const std::string& path) {
        std::optional<MacroLocation> at = FindLibraryPath(library, FromUtf8(path));
        if (!at)
            Fail("no macro or folder " + path + " in the library");
        return at;
    }

    void ListGroup(std::ostream& out, const MacroLocation& parent, int depth) {
        for (int slot = 0; depth <= 2 && slot < MacroGroupSize; ++slot) {
            const MacroLocation at = ChildLocation(parent, slot);
            const MacroItem& item = *library.NodeAt(at);
            if (item.IsFree())
                continue;
            out << std::string(std::size_t(depth) * 2, ' ') << ToUtf8(item.MacroItemName);
            if (item.MacroItemIsFolder == 1) {
                out << "/\n";
            } else if (item.macro) {
                const MacroKey& key = *item.macro;
                out << "  [#" << key.MacroKeyIndex << ", " << key.MacroActionNum
                    << " actions, loop " << int(key.MacroKeyLoopType);
                if (key.MacroKeyLoopType == MacroLoopType::Counted)
                    out << " x" << int(key.MacroKeyLoopNum);
                out << "]\n";
            }
            if (depth < 2)
                ListGroup(out, at, depth + 1);
        }
    }

    void ListGroupJson(std::ostream& out, const MacroLocation& parent, int depth) {
        out << "[";
        bool first = true;
        for (int slot = 0; depth <= 2 && slot < MacroGroupSize; ++slot) {
            const MacroLocation at = ChildLocation(parent, slot);
            const MacroItem& item = *library.NodeAt(at);
            if (item.IsFree())
                continue;
            out << (first ? "" : ",") << "{\"name\":" << JsonString(ToUtf8(item.MacroItemName))
                << ",\"folder\":" << (item.MacroItemIsFolder == 1 ? "true" : "false");
            first = false;
            if (item.MacroItemIsFolder != 1 && item.macro)
                out << ",\"keyIndex\":" << item.macro->MacroKeyIndex
                    << ",\"actions\":" << item.macro->MacroActionNum
                    << ",\"loopType\":" << int(item.macro->MacroKeyLoopType)
                    << ",\"loopCount\":" << int(item.macro->MacroKeyLoopNum);
            if (depth < 2) {
                out << ",\"children\":";
                ListGroupJson(out, at, depth + 1);
            }
            out << "}";
        }
        out << "]";
    }

    int List() {
        if (context.json) {
            context.out << "{" << kJsonFormatMember << ", \"items\": ";
            ListGroupJson(context.out, MacroLocation{}, 0);
            context.out << "}\n";
        } else if (library.VisibleRowCount() == 0) {
            context.out << "The macro library is empty.\n";
        } else {
            ListGroup(context.out, MacroLocation{}, 0);
        }
        return status;
    }

    int Export(const std::string& path, const std::string& file) {
        std::optional<MacroLocation> at = Resolve(path);
        if (!at)
            return kExitFailure;
        if (library.NodeAt(*at)->MacroItemIsFolder == 1)
            return Fail(path + " is a folder; export-set exports folders");
        if (!ExportMacro(library, *at, file))
            return Fail("cannot write " + file);
        context.out << "Exported " << path << " to " << file << "\n";
        return status;
    }

    int ExportSet(const std::optional<std::string>& path, const std::string& file) {
        MacroLocation selection;
        if (path) {
            std::optional<MacroLocation> at = Resolve(*path);
            if (!at)
                return kExitFailure;
            selection = *at;
        }
        if (!ExportMacroSet(library, selection, file))
            return Fail("cannot write " + file);
        context.out << "Exported " << (path ? *path : std::string("the whole library")) << " to "
                    << file << "\n";
        return status;
    }

    int Import(const std::string& file, const std::optional<std::string>& folder, bool set) {
        MacroLocation selection;
        if (folder) {
            std::optional<MacroLocation> at = Resolve(*folder);
            if (!at)
                return kExitFailure;
            if (library.NodeAt(*at)->MacroItemIsFolder != 1)
                return Fail(*folder + " is not a folder");
            selection = *at;
        }
        const MacroImportResult r =
            set ? ImportMacroSet(library, selection, file) : ImportMacro(library, selection, file);
        switch (r.status) {
        case MacroImportStatus::Imported:
            break;
        case MacroImportStatus::Unreadable:
            return Fail("cannot read a macro file from " + file);
        case MacroImportStatus::NothingToImport:
            return Fail(file +
                        (set ? " selects nothing to import" : " selects no macro to import"));
        case MacroImportStatus::NameExists:
            return Fail("the destination already holds an item named as one in " + file +
                        "; nothing was imported");
        case MacroImportStatus::NotAdded:
            if (library.NextKeyIndex() == std::numeric_limits<std::int32_t>::max())
                return Fail("the library has given out every macro number it has, so no macro "
                            "can be added; nothing was imported");
            return Fail("no room for " + file + " there (60 items per folder at most)");
        }
        if (!SaveUserMacroLibrary(library))
            return Fail("cannot write " + UserMacroLibraryPath().string());
        if (set)
            context.out << "Imported " << r.itemsAdded << (r.itemsAdded == 1 ? " item" : " items")
                        << " from " << file << "\n";
        else
            context.out << "Imported " << ToUtf8(library.NodeAt(selection)->MacroItemName)
                        << " from " << file << "\n";
        return kExitOk;
    }

    int Run() {
        const std::vector<std::string>& a = context.args;
        const std::string verb = a.empty() ? std::string() : a[0];
        const std::size_t n = a.size();
        const bool valid = (verb == "list" && n == 1) || (verb == "export" && n == 3) ||
                           ((verb == "export-set" || verb == "import" || verb == "import-set") &&
                            (n == 2 || n == 3));
        if (!valid)
            return Usage();
        std::unique_ptr<InstanceLock> lock;
        if (verb.starts_with("import") &&
            !ClaimDataFolder(context, "macro", GuardUse::Files, lock))
            return kExitFailure;
        if (!Load(verb.starts_with("import")))
            return kExitFailure;
        // The optional word of a three-word form.
        auto optional = [&](std::size_t i) {
            return n == 3 ? std::optional<std::string>(a[i]) : std::nullopt;
        };
        if (verb == "list")
            return List();
        if (verb == "export")
            return Export(a[1], a[2]);
        if (verb == "export-set")
            return ExportSet(optional(1), a[n - 1]);
        return Import(a[1], optional(2), verb == "import-set");
    }
};

} // namespace

int CmdMacro(CliContext& context) {
    return MacroCommand{context}.Run();
}

} // namespace ferrox
