#pragma once
#include <cstdint>
#include <string>
#include <vector>

// One row of the services lists, as both lists show it. A complete row has four
// sub-items: path, status, start type, key name. A row whose details could not be
// read holds a message in sub-item 0 (and the key name in sub-item 1 for one of them).
struct ServiceRow {
    std::string Caption; // display name
    std::vector<std::string> SubItems;
    bool NonMicrosoft = false; // shown with the non-Microsoft image

    // The sub-item, or empty when the row has none at that place.
    std::string SubItem(size_t index) const { return index < SubItems.size() ? SubItems[index] : std::string(); }
    std::string Path() const { return SubItem(0); }
    std::string Status() const { return SubItem(1); }
    std::string StartupType() const { return SubItem(2); }
    std::string KeyName() const { return SubItem(3); }
};

// The companion protection service, which the manager window never starts, stops or changes.
constexpr const char* CompanionServiceName = "Nortavix";

// The state and start type texts of the service control manager's numbers.
std::string ServiceStateText(uint32_t currentState);
std::string ServiceStartTypeText(uint32_t startType);

// Which of the manager window's service buttons are enabled for a row.
struct ServiceButtons {
    bool Start = false;
    bool Stop = false;
    bool Restart = false;
    bool StartupMode = false;
};
// `row` is null when no row is selected.
ServiceButtons ChangeCmdStatus(bool enable, const ServiceRow* row);

// The start type a "Startup mode" menu item sets: "&Automatic" 2, "&Manual" 3, any
// other caption 4 ("Disabled"); `text` is what the row's "StartupType" then shows.
uint32_t StartTypeForMenuCaption(const std::string& caption, std::string& text);
