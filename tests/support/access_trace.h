// Records the property accesses of handlers as short strings: "Despot.Left=" for a write,
// "Despot.Left?" for a read, "MsgBox" and "Rnd" for the form's own operations.
#pragma once

#include "platform/access_probe.h"

#include <functional>
#include <string>
#include <vector>

namespace testing_support {

class AccessTrace final : public platform::AccessProbe {
public:
    void onAccess(const platform::Access& access) override
    {
        std::string entry = access.control.empty()
                                ? std::string(access.property)
                                : std::string(access.control) + "." + std::string(access.property) +
                                      (access.write ? "=" : "?");
        if (onEntry)
            onEntry(entry);
        entries.push_back(std::move(entry));
        canFail.push_back(access.canFail);
    }

    std::vector<std::string> entries;
    std::vector<bool> canFail; // beside each entry
    // Called with each entry before the access takes effect.
    std::function<void(const std::string&)> onEntry;
};

} // namespace testing_support
