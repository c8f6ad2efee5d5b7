// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ferroxctl profile export SLOT FILE | import SLOT FILE | add NAME | rename SLOT NAME |
// delete SLOT | use SLOT: what the profile bar and its menu do, with the configuration and
// the profile files saved afterwards as the window saves them.

#include "base/app_globals.h"
#include "base/text_file.h"
#include "cli/cmd_device_run.h"
#include "cli/command_table.h"
#include "cli/data_load.h"
#include "cli/slot_argument.h"
#include "cli/window_guard.h"
#include "settings/config_file.h"
#include "settings/config_table.h"
#include "settings/profile_slots.h"

#include <filesystem>
#include <ostream>
#include <system_error>

namespace ferrox {
namespace {

constexpr const char* kUsage =
    "ferroxctl profile: expected export SLOT FILE, import SLOT FILE, add NAME, "
    "rename SLOT NAME, delete SLOT or use SLOT (SLOT is 0..4)";

struct Operation {
    const char* verb;
    std::size_t words; // after the verb
    bool slotFirst;
};

constexpr Operation Operations[] = {
    {"export", 2, true}, {"import", 2, true}, {"add", 1, false},
    {"rename", 2, true}, {"delete", 1, true}, {"use", 1, true},
};

std::string MissingFolderNote(const std::string& file) {
    const std::filesystem::path folder = std::filesystem::path(file).parent_path();
    std::error_code ec;
    return folder.empty() || std::filesystem::is_directory(folder, ec)
               ? ""
               : " (there is no folder " + folder.string() + ")";
}

std::string ResultText(ProfileResult result, int slot, const std::string& file) {
    const std::string s = std::to_string(slot);
    switch (result) {
    case ProfileResult::Done:
        return "";
    case ProfileResult::BarFull:
        return "five profiles are on the profile bar already";
    case ProfileResult::IsCurrent:
        return "slot " + s + " is the current profile and cannot be deleted";
    case ProfileResult::NotShown:
        return "slot " + s + " is not on the profile bar";
    case ProfileResult::BadSlot:
        return "no profile slot " + s + " (0..4)";
    case ProfileResult::EmptyName:
        return "a profile name cannot be empty";
    case ProfileResult::ReadFailed:
        return file + " cannot be read or is no profile file; slot " + s + " is unchanged";
    case ProfileResult::WriteFailed:
        return file.empty()
                   ? "the profile files could not all be saved in " + ConfigFolder().string()
                   : file + " could not be written" + MissingFolderNote(file);
    }
    return "failed";
}

ProfileResult Run(const std::string& verb, int slot, const std::vector<std::string>& args,
                  int& usedSlot) {
    usedSlot = slot;
    if (verb == "export")
        return ExportProfile(slot, args[2]);
    if (verb == "import")
        return ImportProfile(slot, args[2]);
    if (verb == "add")
        return AddProfile(FromUtf8(args[1]), &usedSlot);
    if (verb == "rename")
        return RenameProfile(slot, FromUtf8(args[2]));
    return DeleteProfile(slot);
}

std::string DoneText(const std::string& verb, int slot, const std::vector<std::string>& args) {
    const std::string s = "slot " + std::to_string(slot);
    if (verb == "export")
        return "exported " + s + " to " + args[2];
    if (verb == "import")
        return "imported " + args[2] + " into " + s;
    if (verb == "add")
        return "added \"" + args[1] + "\" as " + s;
    if (verb == "rename")
        return "renamed " + s + " to \"" + args[2] + "\"";
    return "removed " + s + " from the profile bar";
}

// As a profile switch in the window: the new profile's keys, settings and macros go to the
// mouse as far as they differ from what it holds.
int UseAndSend(CliContext& context, int slot) {
    DeviceCommandRun run(context, "profile");
    if (run.RefuseWhileWindowRuns()) {
        return kExitFailure;
    }
    if (!run.LoadSettings()) {
        return kExitFailure;
    }
    if (!run.Open()) {
        return kExitFailure;
    }
    const ProfileResult result = UseProfile(slot);
    if (result == ProfileResult::WriteFailed) {
        return run.Fail(ConfigFilePath().string() + " could not be written; slot " +
                        std::to_string(slot) + " was not made current");
    }
    if (result != ProfileResult::Done) {
        return run.Fail(ResultText(result, slot, ""));
    }
    run.sync().RequestApply(ChangeGroup::Keys | ChangeGroup::Settings);
    run.sync().ApplyAll();
    const auto messages = run.Finish();
    if (!run.sync().DeferredSave()) {
        return run.Fail("the settings could not be saved");
    }
    const int status = run.ReportDelivery(messages, "the switch");
    if (status == kExitOk) {
        context.out << "slot " << slot << " is the current profile"
                    << (run.DeviceFound() ? "; the mouse has its buttons and settings" : "")
                    << "\n";
    }
    return status;
}

} // namespace

int CmdProfile(CliContext& context) {
    const std::vector<std::string>& args = context.args;
    const Operation* op = nullptr;
    for (const Operation& candidate : Operations)
        if (!args.empty() && args[0] == candidate.verb)
            op = &candidate;
    if (!op || args.size() != op->words + 1) {
        context.err << kUsage << "\n";
        return kExitUsage;
    }
    int slot = -1;
    if (op->slotFirst) {
        std::optional<int> parsed = ParseSlotArgument(args[1]);
        if (!parsed) {
            context.err << "ferroxctl profile: " << args[1] << " is not a profile slot (0..4)\n";
            return kExitUsage;
        }
        slot = *parsed;
    }
    if (args[0] == "use")
        return UseAndSend(context, slot);
    // Everything else but an export changes the data folder.
    std::unique_ptr<InstanceLock> lock;
    if (args[0] != "export" && !ClaimDataFolder(context, "profile", GuardUse::Files, lock))
        return kExitFailure;
    if (args[0] == "export") {
        // Defaults in place of what could not be read are no export of the user's profile.
        if (LoadToRead(context, "profile") != kExitOk)
            return kExitFailure;
    } else if (!LoadToChange(context, "profile")) {
        return kExitFailure;
    }
    int usedSlot = slot;
    ProfileResult result = Run(args[0], slot, args, usedSlot);
    if (result != ProfileResult::Done) {
        bool names = args[0] == "export" || args[0] == "import";
        context.err << "ferroxctl profile: " << ResultText(result, slot, names ? args[2] : "")
                    << "\n";
        return kExitFailure;
    }
    context.out << DoneText(args[0], usedSlot, args) << "\n";
    return kExitOk;
}

} // namespace ferrox
