// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/configapp.h"

int main(int argc, char** argv) {
    pelorin::ConfigApp app(argc, argv);
    return app.run();
}
