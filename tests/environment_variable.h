// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An environment variable set (or unset, for a null value) for the life of this object; the
// process's own value comes back afterwards.

#include <cstdlib>
#include <optional>
#include <string>

namespace ferrox::test {

class EnvironmentVariable {
public:
    EnvironmentVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name))
            saved_ = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    EnvironmentVariable(const EnvironmentVariable&) = delete;
    EnvironmentVariable& operator=(const EnvironmentVariable&) = delete;
    ~EnvironmentVariable() { saved_ ? ::setenv(name_, saved_->c_str(), 1) : ::unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> saved_;
};

} // namespace ferrox::test
