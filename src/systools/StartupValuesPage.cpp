#include "systools/StartupValuesPage.h"

#include "core/RegistryRoots.h"
#include "database/PathRoots.h"
#include "platform/RegistryKey.h"

void RefreshStartupRecords(SharedState& state, const LineSink& report, const std::string& basePath)
{
    state.StartupRecords.clear();
    std::vector<StartupValue> values;
    if (!EnumStartupValues([&](const StartupValue& v) { values.push_back(v); }, basePath))
        return;
    if (report)
        report("Startup files:");
    for (const StartupValue& value : values) {
        StartupF record;
        record.RootKey = reinterpret_cast<uintptr_t>(RootKeyOf(value.RootCode, nullptr));
        record.KeyPath = value.KeyPath;
        record.ValueName = value.ValueName;
        record.ValueData = value.ValueData;
        state.StartupRecords.push_back(record);
        if (report) {
            std::string root;
            RootNameOf(value.RootCode, root);
            report(root + "\\" + value.KeyPath + "\\" + value.ValueName);
            report("[" + value.ValueData + "]");
        }
    }
}

void DeleteStartupValues(const SharedState& state, const std::vector<std::pair<std::string, std::string>>& checkedRows,
                         const std::function<void(const std::string& message)>& showError)
{
    for (const auto& [name, data] : checkedRows) {
        for (const StartupF& record : state.StartupRecords) {
            if (record.ValueName != name || record.ValueData != data)
                continue;
            RegKey key;
            if (!key.Create(reinterpret_cast<HKEY>(record.RootKey), record.KeyPath)) {
                showError(state.Messages.Text(Msg::KeyValue) + name + state.Messages.Text(Msg::DoesNotExist));
            } else if (key.HasValue(name) && !key.DeleteValue(name)) {
                showError(state.Messages.Text(Msg::CannotDeleteValue) + name + "\r" + data);
            }
            break;
        }
    }
}
