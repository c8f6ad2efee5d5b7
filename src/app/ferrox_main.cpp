// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ferrox_app.h"

int main(int argc, char** argv) {
    ferrox::CFerroxApp app;
    return app.Run(argc, argv);
}
