// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/txsim/blockdiff.h"

#include <string_view>

#include "link/blockfields.h"

namespace pelorin::txsim {

std::vector<std::string> describeChanges(const BlockBytes& before, const BlockBytes& after) {
    std::vector<std::string> changes;
    for (const BlockFieldDifference& d : blockDifferences(before, after, false)) {
        changes.push_back(d.field->name + ": " + valueText(*d.field, d.first) + " -> " +
                          valueText(*d.field, d.second));
    }
    return changes;
}

std::string describeBlock(const BlockBytes& blockBytes) {
    std::string text;
    for (const std::string_view name :
         {"model type", "stick mode", "end point CH1 L", "end point CH1 R", "sub trim CH1"}) {
        const BlockField* field = findBlockField(name);
        if (!field)
            continue;
        if (!text.empty())
            text += ", ";
        text += field->name + " " + valueText(*field, fieldValue(*field, blockBytes));
    }
    return text;
}

}  // namespace pelorin::txsim
